#include "editor/wizard/first_time_settings.h"

#include "common/whole_numbers.h"

namespace orv::editor {

void StoreFirstTimeAnswers(const WizardAnswers& a, SettingsBlock& s) {
    s.SolitaryUsage = a.Checked("P66Solitary");
    // Case on keeps a stored exact or first-letter match; off is no case code.
    bool keptCase = s.CaseSensitive == 1 || s.CaseSensitive == 2;
    s.CaseSensitive = a.Checked("P66CaseSense") ? (keptCase ? s.CaseSensitive : 2) : 3;
    s.UseSuffix = !a.Checked("P66UsePrefix");
    s.PrefixKeys = a.Trimmed("P66PrefixKeys");
    s.CaptureKeys = a.Checked("P67DoKey");
    s.CaptureMouse = a.Checked("P67DoMouse");
    s.CaptureTime = a.Checked("P67DoTime");
    s.CaptureClicksOnly = a.Checked("P67ClicksOnly");
    s.RelativeTo = a.Checked("P67ToScreen") ? 1 : a.Checked("P67ToWindow") ? 2 : 3;
    s.CaptureSpeed = a.Checked("P67QuadSpeed")     ? 4
                     : a.Checked("P67DoubleSpeed") ? 3
                     : a.Checked("P67HalfSpeed")   ? 2
                                                   : 1;
    bool network = a.Checked("P68Network");
    if (network != s.NetworkMode) {
        s.NetworkMode = network;
        s.AutoSync = network;
        s.SyncMinutes = network ? 10 : 0;
    }
    s.FirstUse = !a.Checked("P65Show");
    s.SMTPHost = a.Trimmed("P74SMTPHost");
    s.SMTPPort = WholeNumberOr(a.Trimmed("P74SMTPPort"), s.SMTPPort);
    s.EMailName = a.Trimmed("P74EmailName");
    s.EMailAddress = a.Trimmed("P74EmailAddress");
}

void SaveFirstTimeSettings(const FirstTimeOutcome& setup, SettingsBlock& settings, Configs& configs,
                           NetworkLock& lock, ProgramNotices& player) {
    const bool oldNetworkMode = settings.NetworkMode;
    const bool oldAutoSync = settings.AutoSync;
    StoreFirstTimeAnswers(setup.Answers, settings);
    // A shared library needs its sync file set up before the next change,
    // and the update timer follows the new mode.
    lock.AfterNetworkConsiderations(oldNetworkMode, oldAutoSync);
    // Every section is tried, so one refused section does not cost the others.
    bool written = configs.WriteCuewordSettings();
    written = configs.WriteCaptureSettings() && written;
    written = configs.WriteNetworkSettings() && written;
    written = configs.WriteMiscSettings() && written;
    written = configs.WriteEMailSettings() && written;
    if (!SettingsSaved(written))
        return;
    for (int code : {NoticeCode::CuewordSettingsChanged, NoticeCode::CaptureSettingsChanged,
                     NoticeCode::NetworkSettingsChanged, NoticeCode::EMailSettingsChanged,
                     NoticeCode::MiscSettingsChanged})
        player.Post(code, 0);
}

const std::array<StarterMacro, 11>& StarterMacros() {
    using C = FirstTimeChoices;
    static const std::array<StarterMacro, 11> starters{{
        {&C::Name, 1,
         "This next wizard will allow you to paste text into a program. Use it to enter your name "
         "and address."},
        {&C::Email, 1,
         "This next wizard will allow you to paste text into a program. Use it to enter your "
         "E-Mail tagline."},
        {&C::Date, 6, "This next wizard will allow you to type a date and/or time into a program."},
        {&C::Dial, 12,
         "This next wizard will allow you to automatically dial up a networking connection.  This "
         "is most often used to  connect to the Internet."},
        {&C::SendEMail, 29,
         "This next wizard will allow you to automatically send e-mail and attachments to one or "
         "more recipients."},
        {&C::Net, 8,
         "This next wizard will allow you to toggle a network drive so that if it is not "
         "connected it will be and if it is connected, it won't be."},
        {&C::Logoff, 9,
         "This next wizard will allow you to logoff the computer so that you can re-login with a "
         "clean start."},
        {&C::CD, 15, "This next wizard will allow you to play a music CD."},
        {&C::Pause, 15, "This next wizard will allow you to pause a music CD."},
        {&C::Mute, 17,
         "This next wizard will allow you to toggle between muting the sound off and on."},
        {&C::Print, 14, "This next wizard will allow you to choose a default Windows printer."},
    }};
    return starters;
}

}  // namespace orv::editor
