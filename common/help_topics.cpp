#include "common/help_topics.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orv {
namespace {

// The chapters of the contents first, in the order the contents lists them,
// then one page for each dialog's keyword.
constexpr std::array Topics{
    HelpTopic{HelpContentsKeyword, HelpContentsPage, "Orvane Help", true},
    HelpTopic{"Getting Started", "getting_started.htm", "Getting started", true},
    HelpTopic{"Hot Keys", "hot_keys.htm", "Hot keys", true},
    HelpTopic{"Cuewords", "cuewords.htm", "Cuewords", true},
    HelpTopic{"Triggers and Schedules", "triggers.htm", "Window triggers and schedules", true},
    HelpTopic{"Pop-up Menus", "popup_menus.htm", "Pop-up menus", true},
    HelpTopic{"Script Language", HelpScriptLanguagePage, "The script language", true},
    HelpTopic{"Macros and Settings", "files.htm", "Where macros and settings live", true},
    HelpTopic{"Network Library", "network_library.htm", "A library shared on the network", true},

    HelpTopic{"Quick Wizard", "quick_wizard.htm", "The Quick Wizard", false},
    HelpTopic{"Capture Macro", "capture_macro.htm", "Capturing a macro", false},
    HelpTopic{"Capture Defaults", "capture_defaults.htm", "Capture defaults", false},
    HelpTopic{"Capture Complete", "capture_complete.htm", "Capture complete", false},
    HelpTopic{"Copy Macro", "copy_macro.htm", "Copying a macro", false},
    HelpTopic{"Move Macro", "move_macro.htm", "Changing a macro's activation", false},
    HelpTopic{"Set Window Title", "set_window_title.htm", "Choosing a window title", false},
    HelpTopic{"Set Program Name", "set_program_name.htm", "Choosing a program", false},
    HelpTopic{"Sort Order", "sort_order.htm", "Sort order", false},
    HelpTopic{"Export Macros", "export_macros.htm", "Exporting macros", false},
    HelpTopic{"Import Macros", "import_macros.htm", "Importing macros", false},
    HelpTopic{"Build Macro Menu", "build_macro_menu.htm", "Building a pop-up menu", false},
    HelpTopic{"SYSTEM Hot Keys", "system_hot_keys.htm", "System hot keys", false},
    HelpTopic{"Keyboard Remapper", "keyboard_remapper.htm", "The keyboard remapper", false},
    HelpTopic{"Scripting Editor", "scripting_editor.htm", "The scripting editor", false},
    HelpTopic{"Command Wizard", "command_wizard.htm", "The command palette", false},
    HelpTopic{"Modify Hot Key", "modify_hot_key.htm", "Editing a script directly", false},
    HelpTopic{"Insert Text File", "insert_text_file.htm", "Loading text from a file", false},
    HelpTopic{"Text Insertion", "text_insertion.htm", "Entering keystrokes", false},
    HelpTopic{"Date Format", "date_format.htm", "Typing a date", false},
    HelpTopic{"Time Format", "time_format.htm", "Typing a time", false},
    HelpTopic{"Set Delays", "set_delays.htm", "Delays", false},
    HelpTopic{"Macro Pause", "macro_pause.htm", "Pauses", false},
    HelpTopic{"Repeat Options", "repeat_options.htm", "Repeating", false},
    HelpTopic{"Keyboard and Mouse Speed", "speed.htm", "Keyboard and mouse speed", false},
    HelpTopic{"Swap Macro File", "swap_macro_file.htm", "Loading another macro file", false},
    HelpTopic{"Remarks", "remarks.htm", "Remarks", false},
    HelpTopic{"Activating Windows", "activating_windows.htm", "Activating and launching", false},
    HelpTopic{"Size or Position", "size_or_position.htm", "Sizing and placing a window", false},
    HelpTopic{"System Commands", "system_commands.htm", "Window controls", false},
    HelpTopic{"Set Sound", "set_sound.htm", "Sounds", false},
    HelpTopic{"Web Site URL", "web_site.htm", "Opening a web site", false},
    HelpTopic{"Web FTP", "web_ftp.htm", "Opening an FTP site", false},
    HelpTopic{"Network Connection", "network_connection.htm", "Network drives", false},
    HelpTopic{"Mouse Commands", "mouse_commands.htm", "Mouse commands", false},
    HelpTopic{"Clipboard Options", "clipboard_options.htm", "The clipboard", false},
    HelpTopic{"Keys Up Or Down", "keys_up_or_down.htm", "Holding keys down", false},
    HelpTopic{"E-Mail Commands", "email_commands.htm", "Sending e-mail", false},
    HelpTopic{"Dial-Up Networking", "dial_up.htm", "Dial-up networking", false},
    HelpTopic{"Wait For Window", "wait_for.htm", "Waiting", false},
    HelpTopic{"File Commands", "file_commands.htm", "Files and folders", false},
    HelpTopic{"Explorer", "explorer.htm", "Opening a folder", false},
    HelpTopic{"Connect Macro", "connect_macro.htm", "Running and switching macros", false},
    HelpTopic{"Desktop Commands", "desktop_commands.htm", "The desktop", false},
    HelpTopic{"AVI Files", "avi_files.htm", "Playing a video clip", false},
    HelpTopic{"CDROM Commands", "cdrom_commands.htm", "Audio CD controls", false},
    HelpTopic{"Speaker Controls", "speaker_controls.htm", "Speaker controls", false},
    HelpTopic{"Default Printer", "default_printer.htm", "The default printer", false},
    HelpTopic{"Screen Setting", "screen_setting.htm", "The screen setting", false},
    HelpTopic{"Reboot", "reboot.htm", "Rebooting and shutting down", false},
    HelpTopic{"System Controls", "system_controls.htm", "System controls", false},
    HelpTopic{"Text Box", "text_box.htm", "Showing a text box", false},
    HelpTopic{"Encrypted Text", "encrypted_text.htm", "Encrypted text", false},
};

bool SameKeyword(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

}  // namespace

std::span<const HelpTopic> HelpTopics() {
    return Topics;
}

const HelpTopic* FindHelpTopic(std::string_view keyword) {
    auto found = std::ranges::find_if(
        Topics, [keyword](const HelpTopic& topic) { return SameKeyword(topic.Keyword, keyword); });
    return found == Topics.end() ? nullptr : &*found;
}

std::string HelpAddress(std::string_view helpFile, std::string_view keyword) {
    const HelpTopic* topic = FindHelpTopic(keyword);
    std::string address(helpFile);
    address += "::/";
    address += topic ? topic->Page : HelpContentsPage;
    return address;
}

}  // namespace orv
