#include "mail/win32/winsock.h"

#include <cstdio>

#include "mail/mail_errors.h"

namespace orv::player {

void TagWinsock::Load() {
    if (Loaded())
        return;
    // No system box about a missing file: the caller says it in its own words.
    UINT previous = SetErrorMode(SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);
    module_ = LoadLibraryA(name_.c_str());
    SetErrorMode(previous);
    if (!module_)
        throw EWinsockDLLError(MailText(MailId::WinsockNotFound));
}

void TagWinsock::Unload() {
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
}

bool TagWinsock::Present() {
    if (Loaded())
        return true;
    try {
        Load();
    } catch (const EWinsockDLLError&) {
        return false;
    }
    Unload();
    return true;
}

FARPROC TagWinsock::GetProc(const char* name) {
    if (!Loaded())
        throw EWinsockDLLError(MailText(MailId::WinsockNotLoaded));
    FARPROC proc = GetProcAddress(module_, name);
    if (!proc) {
        std::string text = MailText(MailId::FunctionNotFound);
        text.replace(text.find("%s"), 2, name);
        throw EWinsockDLLError(text);
    }
    return proc;
}

int TagWinsock::WSAStartup(WORD version, WSADATA* data) {
    return Proc<int(WINAPI*)(WORD, WSADATA*)>("WSAStartup")(version, data);
}
int TagWinsock::WSACleanup() {
    return Proc<int(WINAPI*)()>("WSACleanup")();
}
int TagWinsock::WSAGetLastError() {
    return Proc<int(WINAPI*)()>("WSAGetLastError")();
}
int TagWinsock::gethostname(char* name, int length) {
    return Proc<int(WINAPI*)(char*, int)>("gethostname")(name, length);
}
unsigned long TagWinsock::inet_addr(const char* text) {
    return Proc<unsigned long(WINAPI*)(const char*)>("inet_addr")(text);
}
u_short TagWinsock::htons(u_short value) {
    return Proc<u_short(WINAPI*)(u_short)>("htons")(value);
}
u_short TagWinsock::ntohs(u_short value) {
    return Proc<u_short(WINAPI*)(u_short)>("ntohs")(value);
}
SOCKET TagWinsock::socket(int family, int type, int protocol) {
    return Proc<SOCKET(WINAPI*)(int, int, int)>("socket")(family, type, protocol);
}
int TagWinsock::connect(SOCKET s, const sockaddr* address, int length) {
    return Proc<int(WINAPI*)(SOCKET, const sockaddr*, int)>("connect")(s, address, length);
}
int TagWinsock::getsockname(SOCKET s, sockaddr* address, int* length) {
    return Proc<int(WINAPI*)(SOCKET, sockaddr*, int*)>("getsockname")(s, address, length);
}
int TagWinsock::recv(SOCKET s, char* buffer, int length, int flags) {
    return Proc<int(WINAPI*)(SOCKET, char*, int, int)>("recv")(s, buffer, length, flags);
}
int TagWinsock::send(SOCKET s, const char* buffer, int length, int flags) {
    return Proc<int(WINAPI*)(SOCKET, const char*, int, int)>("send")(s, buffer, length, flags);
}
int TagWinsock::closesocket(SOCKET s) {
    return Proc<int(WINAPI*)(SOCKET)>("closesocket")(s);
}
int TagWinsock::WSAAsyncSelect(SOCKET s, HWND window, unsigned message, long events) {
    return Proc<int(WINAPI*)(SOCKET, HWND, unsigned, long)>("WSAAsyncSelect")(s, window, message,
                                                                              events);
}
HANDLE TagWinsock::WSAAsyncGetHostByName(HWND window, unsigned message, const char* name,
                                         char* buffer, int length) {
    return Proc<HANDLE(WINAPI*)(HWND, unsigned, const char*, char*, int)>("WSAAsyncGetHostByName")(
        window, message, name, buffer, length);
}
HANDLE TagWinsock::WSAAsyncGetServByName(HWND window, unsigned message, const char* name,
                                         const char* protocol, char* buffer, int length) {
    return Proc<HANDLE(WINAPI*)(HWND, unsigned, const char*, const char*, char*, int)>(
        "WSAAsyncGetServByName")(window, message, name, protocol, buffer, length);
}
int TagWinsock::WSACancelAsyncRequest(HANDLE request) {
    return Proc<int(WINAPI*)(HANDLE)>("WSACancelAsyncRequest")(request);
}

TagWinsock& WinsockLib() {
    static TagWinsock lib;
    return lib;
}

bool WinsockPresent() {
    return WinsockLib().Present();
}

}  // namespace orv::player
