// The command ids of the main window's menu items, for programs that drive
// the editor from outside (the end-to-end tests post WM_COMMAND with them).
// Items take ids in the order TMainWin declares them, from the forms layer's
// first command id; a test holds each of these to its item.
#pragma once

namespace orv::editor::EditorMenuId {

constexpr int First = 0x4000;
constexpr int NewFile = First + 1;
constexpr int OpenFile = First + 2;
constexpr int ImportText = First + 4;
constexpr int OutputInformation = First + 5;
constexpr int PrintList = First + 6;
constexpr int PrinterFont = First + 7;
constexpr int PrinterSetup = First + 8;
constexpr int LastFile1 = First + 10;  // then the other four in order
constexpr int Terminate = First + 16;
constexpr int AddMacro = First + 18;
constexpr int ModifyDirectly = First + 19;
constexpr int ScriptEditor = First + 20;
constexpr int Recapture = First + 21;
constexpr int CopyMacro = First + 22;
constexpr int ChangeActivation = First + 23;
constexpr int RemoveMacro = First + 24;
constexpr int ActivateMacro = First + 25;
constexpr int AddToCategory = First + 27;
constexpr int OnDesktop = First + 28;
constexpr int QuickInfo = First + 29;
constexpr int ImportMacros = First + 31;
constexpr int ExportMacros = First + 32;
constexpr int Sort = First + 33;
constexpr int FirstWizard = First + 35;  // the wizard kinds in menu order
constexpr int FirstTimeSetup = First + 63;
constexpr int Appearance = First + 65;
constexpr int Settings = First + 66;
constexpr int Cuewords = First + 67;
constexpr int CaptureDefaults = First + 68;
constexpr int EMailDefaults = First + 69;
constexpr int EMailRecipients = First + 70;
constexpr int Network = First + 71;
constexpr int ShowDate = First + 72;
constexpr int Alarm = First + 75;
constexpr int TimerInterval = First + 76;
constexpr int DisableScreenSaver = First + 78;
constexpr int Remap = First + 80;
constexpr int MouseLocator = First + 81;
constexpr int KeyHooks = First + 83;
constexpr int MouseHooks = First + 84;
constexpr int Contents = First + 86;
constexpr int Tutorial = First + 87;
constexpr int About = First + 89;

}  // namespace orv::editor::EditorMenuId
