#pragma once

// Every user command of the main window is a number: the tag of its menu item or tool
// button, or the state index of its tree node. DispatchCommand turns it into an action.
namespace Command {
constexpr int New = 1;
constexpr int Open = 2;
constexpr int Save = 3;
constexpr int SaveAs = 4;
constexpr int Print = 5;
constexpr int PrintPreview = 6;
constexpr int Exit = 7;
constexpr int BatchEdit = 9;
constexpr int FreqChannel = 10;
constexpr int MemoryChannels = 11;
constexpr int ChannelEdit = 12;
constexpr int FmFunctions = 13;
constexpr int VoxFunctions = 14;
constexpr int OptionalFunctions = 15;
constexpr int RadioInformation = 16;
constexpr int KeyFunctions = 17;
constexpr int ScanFunctions = 19;
constexpr int ReadFromRadio = 20;
constexpr int WriteToRadio = 21;
constexpr int ModelInformation = 30;
constexpr int CommunicationPort = 31;
constexpr int LanguageSetup = 32;
constexpr int ImportCsv = 40;
constexpr int ExportCsv = 41;
constexpr int ExportPdf = 42;
constexpr int CompareWithFile = 43;
constexpr int CompareWithRadio = 44;
constexpr int Undo = 45;
constexpr int Redo = 46;
// The memory channel grid's list commands, run on the open grid.
constexpr int ListCut = 47;
constexpr int ListCopy = 48;
constexpr int ListPaste = 49;
constexpr int ListDelete = 50;
constexpr int ListInsert = 51;
constexpr int ListRemove = 52;
constexpr int ListMoveUp = 53;
constexpr int ListMoveDown = 54;
constexpr int ListSort = 55;
constexpr int HelpTopics = 60;
constexpr int About = 61;
} // namespace Command
