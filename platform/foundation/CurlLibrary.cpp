#include "platform/foundation/CurlLibrary.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdarg>
#include <mutex>

#include "platform/foundation/Log.h"

// The definitions below replace the library's own: its header must not turn its setters into
// type-checking macros here.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

namespace fnd {

namespace {

constexpr const char* kLibraryName = "libcurl.so.4";

std::atomic<void*> loaded{nullptr};

void* library() {
    static std::once_flag once;
    std::call_once(once, [] {
        void* handle = ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
        if (!handle) Log::error("url loading: the transfer library cannot be loaded: ", ::dlerror());
        loaded.store(handle);
    });
    return loaded.load();
}

// The function of that name with the type of `F`, found once.
template <class F>
F function(const char* name) {
    return reinterpret_cast<F>(CurlLibrary::symbol(name));
}

// The value a setter takes after its option, read as the option's type says: a long, a pointer
// (to data or to a function) or a file offset.
struct OptionValue {
    enum class Kind { Long, Pointer, Offset } kind;
    long number = 0;
    void* pointer = nullptr;
    curl_off_t offset = 0;
};

OptionValue readValue(int option, va_list& values) {
    OptionValue value{OptionValue::Kind::Long};
    if (option >= CURLOPTTYPE_OFF_T && option < CURLOPTTYPE_BLOB) {
        value.kind = OptionValue::Kind::Offset;
        value.offset = va_arg(values, curl_off_t);
    } else if (option >= CURLOPTTYPE_OBJECTPOINT) {
        value.kind = OptionValue::Kind::Pointer;
        value.pointer = va_arg(values, void*);
    } else {
        value.number = va_arg(values, long);
    }
    return value;
}

// Calls a setter with the value in its own type.
template <class Result, class Handle, class Option>
Result callSetter(Result (*setter)(Handle, Option, ...), Handle handle, Option option,
                  const OptionValue& value) {
    switch (value.kind) {
        case OptionValue::Kind::Offset:
            return setter(handle, option, value.offset);
        case OptionValue::Kind::Pointer:
            return setter(handle, option, value.pointer);
        case OptionValue::Kind::Long:
            break;
    }
    return setter(handle, option, value.number);
}

}  // namespace

void* CurlLibrary::symbol(const char* name) {
    void* handle = library();
    if (!handle) return nullptr;
    void* found = ::dlsym(handle, name);
    if (!found) Log::error("url loading: the transfer library has no ", name);
    return found;
}

bool CurlLibrary::isLoaded() { return loaded.load() != nullptr; }

}  // namespace fnd

using fnd::function;

// The setters' last named parameter is an enumeration, as the library declares them; clang warns
// that such a parameter may be promoted before the variable arguments. Its enumerations are of
// int size, as the library's own definitions rely on.
#if defined(__clang__)
#pragma clang diagnostic ignored "-Wvarargs"
#endif

extern "C" {

CURLcode curl_global_init(long flags) {
    static auto f = function<CURLcode (*)(long)>("curl_global_init");
    return f ? f(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
    static auto f = function<CURL* (*)()>("curl_easy_init");
    return f ? f() : nullptr;
}

void curl_easy_cleanup(CURL* handle) {
    static auto f = function<void (*)(CURL*)>("curl_easy_cleanup");
    if (f) f(handle);
}

CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
    static auto f = function<CURLcode (*)(CURL*, CURLoption, ...)>("curl_easy_setopt");
    va_list values;
    va_start(values, option);
    fnd::OptionValue value = fnd::readValue(option, values);
    va_end(values);
    return f ? fnd::callSetter(f, handle, option, value) : CURLE_FAILED_INIT;
}

CURLcode curl_easy_getinfo(CURL* handle, CURLINFO info, ...) {
    static auto f = function<CURLcode (*)(CURL*, CURLINFO, ...)>("curl_easy_getinfo");
    // Every query takes a pointer to where the answer goes.
    va_list values;
    va_start(values, info);
    void* answer = va_arg(values, void*);
    va_end(values);
    return f ? f(handle, info, answer) : CURLE_FAILED_INIT;
}

const char* curl_easy_strerror(CURLcode code) {
    static auto f = function<const char* (*)(CURLcode)>("curl_easy_strerror");
    return f ? f(code) : "the transfer library is not available";
}

CURLM* curl_multi_init() {
    static auto f = function<CURLM* (*)()>("curl_multi_init");
    return f ? f() : nullptr;
}

CURLMcode curl_multi_setopt(CURLM* handle, CURLMoption option, ...) {
    static auto f = function<CURLMcode (*)(CURLM*, CURLMoption, ...)>("curl_multi_setopt");
    va_list values;
    va_start(values, option);
    fnd::OptionValue value = fnd::readValue(option, values);
    va_end(values);
    return f ? fnd::callSetter(f, handle, option, value) : CURLM_INTERNAL_ERROR;
}

CURLMcode curl_multi_add_handle(CURLM* multi, CURL* easy) {
    static auto f = function<CURLMcode (*)(CURLM*, CURL*)>("curl_multi_add_handle");
    return f ? f(multi, easy) : CURLM_INTERNAL_ERROR;
}

CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* easy) {
    static auto f = function<CURLMcode (*)(CURLM*, CURL*)>("curl_multi_remove_handle");
    return f ? f(multi, easy) : CURLM_INTERNAL_ERROR;
}

CURLMcode curl_multi_socket_action(CURLM* multi, curl_socket_t socket, int events, int* running) {
    static auto f = function<CURLMcode (*)(CURLM*, curl_socket_t, int, int*)>("curl_multi_socket_action");
    return f ? f(multi, socket, events, running) : CURLM_INTERNAL_ERROR;
}

CURLMsg* curl_multi_info_read(CURLM* multi, int* queued) {
    static auto f = function<CURLMsg* (*)(CURLM*, int*)>("curl_multi_info_read");
    if (f) return f(multi, queued);
    *queued = 0;
    return nullptr;
}

const char* curl_multi_strerror(CURLMcode code) {
    static auto f = function<const char* (*)(CURLMcode)>("curl_multi_strerror");
    return f ? f(code) : "the transfer library is not available";
}

CURLSH* curl_share_init() {
    static auto f = function<CURLSH* (*)()>("curl_share_init");
    return f ? f() : nullptr;
}

CURLSHcode curl_share_setopt(CURLSH* share, CURLSHoption option, ...) {
    static auto f = function<CURLSHcode (*)(CURLSH*, CURLSHoption, ...)>("curl_share_setopt");
    // What to share or stop sharing is an int; the other options take pointers.
    va_list values;
    va_start(values, option);
    CURLSHcode code = CURLSHE_NOT_BUILT_IN;
    if (option == CURLSHOPT_SHARE || option == CURLSHOPT_UNSHARE) {
        int kind = va_arg(values, int);
        if (f) code = f(share, option, kind);
    } else {
        void* pointer = va_arg(values, void*);
        if (f) code = f(share, option, pointer);
    }
    va_end(values);
    return code;
}

CURLSHcode curl_share_cleanup(CURLSH* share) {
    static auto f = function<CURLSHcode (*)(CURLSH*)>("curl_share_cleanup");
    return f ? f(share) : CURLSHE_NOT_BUILT_IN;
}

struct curl_slist* curl_slist_append(struct curl_slist* list, const char* text) {
    static auto f = function<struct curl_slist* (*)(struct curl_slist*, const char*)>("curl_slist_append");
    return f ? f(list, text) : nullptr;
}

void curl_slist_free_all(struct curl_slist* list) {
    static auto f = function<void (*)(struct curl_slist*)>("curl_slist_free_all");
    if (f) f(list);
}

}  // extern "C"
