#include "common/win32/Win32Dialogs.h"

#include <windows.h>
// commdlg.h needs windows.h before it.
#include <commdlg.h>

#include "common/AppTitle.h"
#include "common/Error.h"
#include "common/win32/WideText.h"

namespace tess {

unsigned MessageBoxStyle(const MessageRequest& request, bool owned) {
    unsigned style = MB_DEFBUTTON1 | MB_SETFOREGROUND | (owned ? MB_APPLMODAL : MB_TASKMODAL);
    switch (request.buttons) {
        case MessageButtons::Ok:
            style |= MB_OK;
            break;
        case MessageButtons::OkCancel:
            style |= MB_OKCANCEL;
            break;
        case MessageButtons::YesNo:
            style |= MB_YESNO;
            break;
    }
    switch (request.icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::Exclamation:
            style |= MB_ICONEXCLAMATION;
            break;
        case MessageIcon::Question:
            style |= MB_ICONQUESTION;
            break;
        case MessageIcon::Critical:
            style |= MB_ICONERROR;
            break;
    }
    return style;
}

MessageAnswer MessageBoxAnswer(int result, MessageButtons buttons) {
    switch (result) {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        case IDOK:
            return MessageAnswer::Ok;
        case IDCANCEL:
            return MessageAnswer::Cancel;
        default:  // 0: the box could not be shown
            break;
    }
    return buttons == MessageButtons::YesNo      ? MessageAnswer::No
           : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                 : MessageAnswer::Ok;
}

std::wstring OpenFileFilter(const std::string& filter) {
    std::wstring result;
    std::string::size_type start = 0;
    while (start <= filter.size()) {
        auto end = filter.find(";;", start);
        if (end == std::string::npos) end = filter.size();
        const std::string item = filter.substr(start, end - start);
        const auto open = item.rfind('(');
        const auto close = item.rfind(')');
        std::string patterns = "*.*";
        if (open != std::string::npos && close != std::string::npos && close > open + 1) {
            patterns = item.substr(open + 1, close - open - 1);
            for (char& c : patterns) {
                if (c == ' ') c = ';';
            }
        }
        if (!item.empty()) result += Utf8ToWide(item) + L'\0' + Utf8ToWide(patterns) + L'\0';
        start = end + 2;
    }
    return result + L'\0';
}

MessageAnswer Win32Dialogs::Message(const MessageRequest& request) {
    const HWND owner = GetActiveWindow();
    const std::wstring text = Utf8ToWide(request.text);
    const std::wstring title = Utf8ToWide(request.title.empty() ? AppTitle() : request.title);
    const int result =
        MessageBoxW(owner, text.c_str(), title.c_str(), MessageBoxStyle(request, owner != nullptr));
    return MessageBoxAnswer(result, request.buttons);
}

// An Open dialog that also takes the name of a file yet to be created: a new
// log file is a fair choice. It leaves the program's current folder as it was.
std::optional<std::string> Win32Dialogs::OpenFile(const OpenFileRequest& request) {
    const std::wstring title = Utf8ToWide(request.title);
    const std::wstring filter = OpenFileFilter(request.filter);
    const std::wstring folder = Utf8ToWide(request.initialPath);
    std::wstring file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        const DWORD error = CommDlgExtendedError();
        if (error == 0) return std::nullopt;  // cancelled
        throw Error("The file dialog failed (error " + std::to_string(error) + ")");
    }
    file.resize(file.find(L'\0'));
    return WideToUtf8(file);
}

}  // namespace tess
