// What forms ask of the system beyond their own windows: help, the file
// dialogs, and a look at every form being shown. Each is a service a test
// replaces; message boxes are the program-wide service of
// common/message_boxes.h.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace orv {

class TForm;

class HelpService {
  public:
    virtual ~HelpService() = default;
    virtual void ShowHelp(HWND owner, std::string_view keyword) = 0;
    virtual void ShowContents(HWND owner) = 0;
};

// The compiled HTML help file ORVHELP.CHM in the program folder (or the
// folder given), shown by the system's HTML Help viewer at the keyword's page
// (common/help_topics.h); a keyword without a page shows the contents, a
// missing file is reported.
class HtmlHelpService final : public HelpService {
  public:
    HtmlHelpService();
    explicit HtmlHelpService(std::string folder);
    void ShowHelp(HWND owner, std::string_view keyword) override;
    void ShowContents(HWND owner) override;

  private:
    std::string folder_;
};

HelpService& CurrentHelp();
void SetCurrentHelp(HelpService* help);

struct FileDialogOptions {
    std::string Title;
    std::string Filter;  // pairs of description and pattern: "Orvane (*.ORN)|*.ORN"
    std::string DefaultExt;
    std::string FileName;
    std::string InitialDir;
    bool FileMustExist = false;
    bool HideReadOnly = false;
    bool OverwritePrompt = false;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen file's full name, or nothing when the user cancelled.
    virtual std::optional<std::string> Open(HWND owner, const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> Save(HWND owner, const FileDialogOptions& options) = 0;
};

class Win32FileDialogs final : public FileDialogs {
  public:
    std::optional<std::string> Open(HWND owner, const FileDialogOptions& options) override;
    std::optional<std::string> Save(HWND owner, const FileDialogOptions& options) override;
};

FileDialogs& CurrentFileDialogs();
void SetCurrentFileDialogs(FileDialogs* dialogs);

// Told of every form once it is shown, from inside that form's modal loop, so
// it can act on the form (and on forms that opens in turn) while it is up.
// Programs install none; tests drive forms with one and pictures are taken
// with one.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void FormShown(TForm& form) = 0;
};

FormObserver* CurrentFormObserver();
void SetFormObserver(FormObserver* observer);

}  // namespace orv
