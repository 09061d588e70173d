#include "D2xxDriver.h"

#include <algorithm>
#include <utility>

// Everything that differs between platforms: how the library is named, opened and searched.
#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#define D2XX_CALL WINAPI

using AnyFunction = void (*)();

std::vector<std::string> D2xxDriver::StandardCandidates() {
    return {"FTD2XX.dll"};
}

// The console has always bound the DLL by ordinal; the names are only for messages.
static constexpr bool kBindByOrdinal = true;
// Only the Linux library is known to crash when opened on a machine without USB.
static constexpr bool kAskForDevicesFirst = false;

static void* OpenLibrary(const std::string& path, std::string* error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        char text[256] = {};
        const DWORD code = GetLastError();
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                       sizeof text, nullptr);
        *error = text[0] != '\0' ? std::string(text) : "error " + std::to_string(code);
        while (!error->empty() && (error->back() == '\n' || error->back() == '\r'))
            error->pop_back();
    }
    return module;
}

static void CloseLibrary(void* library) {
    FreeLibrary(static_cast<HMODULE>(library));
}

static AnyFunction FindFunction(void* library, const char* name, int ordinal) {
    const LPCSTR key = kBindByOrdinal ? MAKEINTRESOURCEA(ordinal) : name;
    return reinterpret_cast<AnyFunction>(GetProcAddress(static_cast<HMODULE>(library), key));
}

#else
#include <dlfcn.h>

#define D2XX_CALL

using AnyFunction = void (*)();

std::vector<std::string> D2xxDriver::StandardCandidates() {
#if defined(__APPLE__)
    return {"libftd2xx.dylib"};
#else
    // By bare name first, so the loader's search path (LD_LIBRARY_PATH) decides.
    return {"libftd2xx.so", "/usr/local/lib/libftd2xx.so"};
#endif
}

#if defined(__linux__)
static constexpr bool kAskForDevicesFirst = true;
#else
static constexpr bool kAskForDevicesFirst = false;
#endif

static void* OpenLibrary(const std::string& path, std::string* error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* text = dlerror();
        *error = text != nullptr ? text : "cannot be loaded";
    }
    return library;
}

static void CloseLibrary(void* library) {
    dlclose(library);
}

static AnyFunction FindFunction(void* library, const char* name, int /*ordinal*/) {
    return reinterpret_cast<AnyFunction>(dlsym(library, name));
}
#endif

// Our own declarations of the vendor's entry points; every integer is 32-bit.
struct D2xxApi {
    FT_STATUS(D2XX_CALL* getModemStatus)(FT_HANDLE, std::uint32_t*) = nullptr;
    FT_STATUS(D2XX_CALL* close)(FT_HANDLE) = nullptr;
    FT_STATUS(D2XX_CALL* openEx)(void*, std::uint32_t, FT_HANDLE*) = nullptr;
    FT_STATUS(D2XX_CALL* resetDevice)(FT_HANDLE) = nullptr;
    FT_STATUS(D2XX_CALL* setTimeouts)(FT_HANDLE, std::uint32_t, std::uint32_t) = nullptr;
    FT_STATUS(D2XX_CALL* setBaudRate)(FT_HANDLE, std::uint32_t) = nullptr;
    FT_STATUS(D2XX_CALL* purge)(FT_HANDLE, std::uint32_t) = nullptr;
    FT_STATUS(D2XX_CALL* read)(FT_HANDLE, void*, std::uint32_t, std::uint32_t*) = nullptr;
    FT_STATUS(D2XX_CALL* write)(FT_HANDLE, void*, std::uint32_t, std::uint32_t*) = nullptr;
    FT_STATUS(D2XX_CALL* createDeviceInfoList)(std::uint32_t*) = nullptr;  // optional
};

template <typename Function>
static bool Bind(void* library, const char* name, int ordinal, Function& slot, std::string& missing) {
    slot = reinterpret_cast<Function>(FindFunction(library, name, ordinal));
    if (slot != nullptr)
        return true;
    missing += missing.empty() ? name : std::string(", ") + name;
    return false;
}

std::unique_ptr<D2xxDriver> D2xxDriver::Load(std::string* why) {
    return LoadFrom(StandardCandidates(), why);
}

std::unique_ptr<D2xxDriver> D2xxDriver::LoadFrom(const std::vector<std::string>& candidates, std::string* why) {
    std::string reasons;
    for (const std::string& path : candidates) {
        std::string error;
        void* library = OpenLibrary(path, &error);
        if (library == nullptr) {
            reasons += (reasons.empty() ? "" : "; ") + path + ": " + error;
            continue;
        }
        auto api = std::make_unique<D2xxApi>();
        std::string missing;
        // Each is looked up even after one is missing, so the message names them all.
        bool complete = Bind(library, "FT_GetModemStatus", 14, api->getModemStatus, missing);
        complete &= Bind(library, "FT_Close", 2, api->close, missing);
        complete &= Bind(library, "FT_OpenEx", 27, api->openEx, missing);
        complete &= Bind(library, "FT_ResetDevice", 6, api->resetDevice, missing);
        complete &= Bind(library, "FT_SetTimeouts", 17, api->setTimeouts, missing);
        complete &= Bind(library, "FT_SetBaudRate", 7, api->setBaudRate, missing);
        complete &= Bind(library, "FT_Purge", 16, api->purge, missing);
        complete &= Bind(library, "FT_Read", 3, api->read, missing);
        complete &= Bind(library, "FT_Write", 4, api->write, missing);
        if (!complete) {
            CloseLibrary(library);
            reasons += (reasons.empty() ? "" : "; ") + path + " lacks " + missing;
            continue;
        }
        if constexpr (kAskForDevicesFirst) {
            std::string optional;
            Bind(library, "FT_CreateDeviceInfoList", 0, api->createDeviceInfoList, optional);
        }
        if (why != nullptr)
            why->clear();
        return std::unique_ptr<D2xxDriver>(new D2xxDriver(path, std::move(api)));
    }
    if (why != nullptr)
        *why = candidates.empty() ? "no D2XX library to try" : "no usable D2XX library (" + reasons + ")";
    return nullptr;
}

D2xxDriver::D2xxDriver(std::string path, std::unique_ptr<D2xxApi> api)
    : m_path(std::move(path)), m_api(std::move(api)) {}

// The library stays loaded: the vendor's library runs threads of its own that may outlive
// a close, and the process ends soon after the driver does anyway.
D2xxDriver::~D2xxDriver() = default;

bool D2xxDriver::IsOurs(FT_HANDLE handle) const {
    return handle != nullptr && std::find(m_open.begin(), m_open.end(), handle) != m_open.end();
}

FT_STATUS D2xxDriver::GetModemStatus(FT_HANDLE handle, std::uint32_t* modemStatus) {
    if (!IsOurs(handle))
        return FT_INVALID_HANDLE;
    std::uint32_t status = 0;
    const FT_STATUS result = m_api->getModemStatus(handle, &status);
    if (modemStatus != nullptr)
        *modemStatus = status;
    return result;
}

FT_STATUS D2xxDriver::Close(FT_HANDLE handle) {
    if (!IsOurs(handle))
        return FT_INVALID_HANDLE;
    // Whatever the library answers, the handle is spent.
    m_open.erase(std::find(m_open.begin(), m_open.end(), handle));
    return m_api->close(handle);
}

FT_STATUS D2xxDriver::OpenEx(const char* description, std::uint32_t flags, FT_HANDLE* handle) {
    if (description == nullptr || handle == nullptr)
        return FT_OTHER_ERROR;
    if (m_api->createDeviceInfoList != nullptr) {
        // The Linux library's FT_OpenEx has crashed on machines without USB; this asks safely.
        std::uint32_t count = 0;
        if (m_api->createDeviceInfoList(&count) != FT_OK || count == 0)
            return FT_DEVICE_NOT_FOUND;
    }
    FT_HANDLE opened = nullptr;
    // The library takes the description through a non-const pointer but does not change it.
    const FT_STATUS status = m_api->openEx(const_cast<char*>(description), flags, &opened);
    if (status != FT_OK || opened == nullptr)
        return status != FT_OK ? status : FT_OTHER_ERROR;
    if (!IsOurs(opened))
        m_open.push_back(opened);
    *handle = opened;
    return FT_OK;
}

FT_STATUS D2xxDriver::ResetDevice(FT_HANDLE handle) {
    return IsOurs(handle) ? m_api->resetDevice(handle) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxDriver::SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeoutMs, std::uint32_t writeTimeoutMs) {
    return IsOurs(handle) ? m_api->setTimeouts(handle, readTimeoutMs, writeTimeoutMs) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxDriver::SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) {
    return IsOurs(handle) ? m_api->setBaudRate(handle, baudRate) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxDriver::Purge(FT_HANDLE handle, std::uint32_t mask) {
    return IsOurs(handle) ? m_api->purge(handle, mask) : FT_INVALID_HANDLE;
}

FT_STATUS D2xxDriver::Read(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received) {
    std::uint32_t count = 0;
    FT_STATUS status = FT_INVALID_HANDLE;
    if (buffer == nullptr && size > 0)
        status = FT_OTHER_ERROR;
    else if (IsOurs(handle))
        status = m_api->read(handle, buffer, size, &count);
    if (received != nullptr)
        *received = std::min(count, size);
    return status;
}

FT_STATUS D2xxDriver::Write(FT_HANDLE handle, const void* buffer, std::uint32_t size, std::uint32_t* written) {
    std::uint32_t count = 0;
    FT_STATUS status = FT_INVALID_HANDLE;
    if (buffer == nullptr && size > 0)
        status = FT_OTHER_ERROR;
    else if (IsOurs(handle))
        // Declared with a non-const buffer by the vendor; it is only read.
        status = m_api->write(handle, const_cast<void*>(buffer), size, &count);
    if (written != nullptr)
        *written = std::min(count, size);
    return status;
}
