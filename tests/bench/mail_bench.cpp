// Sends a message with a 10 MB attachment to the loopback SMTP server and
// reports the time, beside the writer's base64 throughput and that of the
// host's coreutils base64 on the same file.
#include <windows.h>

#include <cstdio>
#include <random>

#include "mail/smtp.h"
#include "mail/win32/socket.h"
#include "tests/mail/win32/host_peer.h"

namespace {

using orv::player::testing::HostPeer;

double Now() {
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

constexpr std::size_t fileSize = 10 * 1000 * 1000;
constexpr double megabytes = fileSize / 1e6;

}  // namespace

int main() {
    using namespace orv::player;
    HostPeer coreutils("bench");
    std::string data(fileSize, '\0');
    std::mt19937 random(1);
    for (char& c : data) c = static_cast<char>(random());
    coreutils.Write("input.bin", data);

    MailSettings settings;
    settings.EMailAddress = "bench@example.com";
    settings.SMTPHost = "127.0.0.1";
    TmsMessage message;
    PrepareMessage(message, settings);
    message.Recipients.Add("sink@example.com", "Sink");
    message.Subject = "10 MB";
    message.Body = {"The attachment follows."};
    message.Attachments.AddFile(coreutils.Path("input.bin"));

    double start = Now();
    std::size_t encoded = 0;
    message.Encode([&](std::string_view line) { encoded += line.size() + 2; },
                   CurrentMessageStamp());
    double encodeSeconds = Now() - start;

    coreutils.Start();
    if (!coreutils.WaitForFile("result.txt", 60000)) {
        std::printf("coreutils base64 gave no result: %s\n", coreutils.Read("failed.txt").c_str());
        return 1;
    }
    double coreutilsSeconds = std::atof(coreutils.Read("result.txt").c_str());

    HostPeer server("smtp");
    server.Start();
    settings.SMTPPort = server.Port();
    if (settings.SMTPPort == 0) {
        std::printf("no SMTP server: %s\n", server.Read("failed.txt").c_str());
        return 1;
    }
    TagSocket socket;
    TmsSMTP smtp(socket);
    smtp.Configure(settings);
    double sending = 0;
    smtp.OnSending = [&] { sending = Now(); };
    start = Now();
    SendResult result = smtp.Send(message);
    double sendSeconds = Now() - start;
    if (!result.Sent() || !server.WaitForFile("msg0\\done", 60000)) {
        std::printf("send failed: %s\n", result.ErrorText.c_str());
        return 1;
    }
    bool intact = server.Read("msg0\\part1.bin") == data;

    std::printf("message of %.1f MB (%zu bytes encoded) sent in %.3f s%s\n", megabytes, encoded,
                sendSeconds, intact ? ", attachment arrived intact" : ", ATTACHMENT DIFFERS");
    std::printf("  of which writing the temporary file %.3f s, the dialogue %.3f s\n",
                sending - start, start + sendSeconds - sending);
    std::printf("message writer base64: %.1f MB/s (%.3f s)\n", megabytes / encodeSeconds,
                encodeSeconds);
    std::printf("coreutils base64:      %.1f MB/s (%.3f s)\n", megabytes / coreutilsSeconds,
                coreutilsSeconds);
    return intact && sendSeconds < 2.0 ? 0 : 1;
}
