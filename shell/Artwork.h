#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures: the 16 tool and tree images, the application icon and the
// background picture "PIC". All are drawn as SVG in shell/resources/shell.qrc.
namespace ImageIndex {
constexpr int New = 0;
constexpr int Open = 1;
constexpr int Print = 2;
constexpr int Save = 3;
constexpr int SaveAs = 4;
constexpr int Write = 5;
constexpr int Help = 6;
constexpr int Read = 7;
constexpr int ChannelEdit = 8;
constexpr int BatchEdit = 9;
constexpr int TreeNode = 10;
constexpr int TreeNodeSelected = 11;
constexpr int Information = 12;
constexpr int FmRadio = 13;
constexpr int Language = 14;
constexpr int Port = 15;
constexpr int Count = 16;
} // namespace ImageIndex

// Image `index` of the image list; a null icon outside 0 .. Count - 1.
QIcon ToolImage(int index);

QIcon ApplicationIcon();

// The pictures of Undo and Redo, beside the image list.
QIcon UndoImage();
QIcon RedoImage();

// The tile for the main window's background, 200 x 150 pixels, 24 bits per pixel.
QPixmap BackgroundPicture();
