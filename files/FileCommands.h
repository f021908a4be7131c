#pragma once

#include <QString>
#include <functional>

class QWidget;

// The file commands of the main window: New (1), Open (2), Save (3), Save As (4) and
// the question on closing. They work on the process-wide document (appState(),
// modelList()) and ask through the modal seam; the object holds the current file name,
// which the main window shows in its caption.
//
//   FileCommands files({[this] { UpdateStatusBar(); }, [this](int r) { RefreshViews(r); }}, this);
//   case 1: files.New(); ...
//   closeEvent: if (!files.CloseQuery()) event->ignore(); else WriteSettingsFileOrTell();
//   after a complete read from the radio: files.setCurrentFileName(QString());
//
// "Save the changes?" has three answers. Yes saves first, and where nothing is saved
// (save dialog cancelled, replacing declined, write failed) New, Open and closing stop
// and the document stays as it is; No goes on without saving; Cancel (also Escape and
// the box's close button) stops the command.
class FileCommands {
  public:
    struct Hooks {
        std::function<void()> updateStatusBar; // status bar and caption
        std::function<void(int)> refreshViews; // reason 1: the document was replaced
    };

    explicit FileCommands(Hooks hooks = {}, QWidget* dialogParent = nullptr);

    // Called with the path after a data file was opened or saved (the recent files).
    void setFileUsedHook(std::function<void(const QString& path)> hook)
    {
        fileUsed = std::move(hook);
    }

    const QString& currentFileName() const { return fileName; }
    void setCurrentFileName(const QString& path) { fileName = path; }

    // A new image with default values. False when a wanted save did not happen.
    bool New();
    // Asks for a data file and opens it. True when a file was opened.
    bool Open();
    // Opens the data file at path (a recent file, the program's argument, a file
    // dropped on the window), asking the save question first. True when it was opened.
    bool OpenFile(const QString& path);
    // Writes to the current file, or asks for one first. True when the file was written.
    bool Save();
    // Always asks for a file. True when the file was written.
    bool SaveAs();
    // "Do you wish to exit program?" and the save question; true when the main window
    // may close. The caller writes the settings file as it closes.
    bool CloseQuery();
    // The save question when the document is modified. True when the caller may replace
    // the document: it was not modified, it was saved, or the user answered No.
    bool AskToSaveChanges();

    // The file operations on the current file name, with their messages.
    bool WriteDataFile();
    bool ReadDataFile();

    // The open and save dialogs' filter.
    static QString filter();

  private:
    bool openPath(const QString& path);
    bool ask(const QString& question) const;
    void updateStatusBar() const;
    void refreshViews(int reason) const;
    QString startFolder() const;

    Hooks hooks;
    std::function<void(const QString& path)> fileUsed;
    QWidget* parent;
    QString fileName;
    QString lastFolder;
};
