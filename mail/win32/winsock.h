// Windows Sockets 1.1, bound by name at run time: a machine without the
// sockets library gets a message instead of a program that will not start.
#pragma once

#include <windows.h>
#include <winsock.h>

#include <string>

namespace orv::player {

class TagWinsock {
  public:
    explicit TagWinsock(std::string libraryName = "wsock32.dll") : name_(std::move(libraryName)) {}
    ~TagWinsock() { Unload(); }
    TagWinsock(const TagWinsock&) = delete;
    TagWinsock& operator=(const TagWinsock&) = delete;

    // Raises EWinsockDLLError "Winsock not found" when the library is missing.
    void Load();
    void Unload();
    bool Loaded() const { return module_ != nullptr; }
    // Whether the library can be loaded; leaves it as it was.
    bool Present();
    // The entry point of that name; raises EWinsockDLLError when the library
    // is not loaded or lacks it.
    FARPROC GetProc(const char* name);

    // The socket functions, each looked up at its call.
    int WSAStartup(WORD version, WSADATA* data);
    int WSACleanup();
    int WSAGetLastError();
    int gethostname(char* name, int length);
    unsigned long inet_addr(const char* text);
    u_short htons(u_short value);
    u_short ntohs(u_short value);
    SOCKET socket(int family, int type, int protocol);
    int connect(SOCKET s, const sockaddr* address, int length);
    int getsockname(SOCKET s, sockaddr* address, int* length);
    int recv(SOCKET s, char* buffer, int length, int flags);
    int send(SOCKET s, const char* buffer, int length, int flags);
    int closesocket(SOCKET s);
    int WSAAsyncSelect(SOCKET s, HWND window, unsigned message, long events);
    HANDLE WSAAsyncGetHostByName(HWND window, unsigned message, const char* name, char* buffer,
                                 int length);
    HANDLE WSAAsyncGetServByName(HWND window, unsigned message, const char* name,
                                 const char* protocol, char* buffer, int length);
    int WSACancelAsyncRequest(HANDLE request);

  private:
    template <typename F>
    F Proc(const char* name) {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProc(name)));
    }

    std::string name_;
    HMODULE module_ = nullptr;
};

// The process's one sockets library.
TagWinsock& WinsockLib();
bool WinsockPresent();

}  // namespace orv::player
