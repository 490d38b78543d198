#pragma once
// Exceptions raised by the framework and library, and the few string helpers every
// unit needs. Messages are plain English (UTF-8 in what(), UTF-16 in Message()).
#include <stdexcept>
#include <string>

namespace orv {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::wstring& message);
    const std::wstring& Message() const { return FMessage; }

private:
    std::wstring FMessage;
};

class EConvertError : public Exception {
    using Exception::Exception;
};
class EComponentError : public Exception {
    using Exception::Exception;
};
class EInvalidOperation : public Exception {
    using Exception::Exception;
};
class EReadError : public Exception {
    using Exception::Exception;
};
class EResNotFound : public Exception {
    using Exception::Exception;
};
class EOutOfResources : public Exception {
    using Exception::Exception;
};
class ERegistryException : public Exception {
    using Exception::Exception;
};

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

std::wstring UpperCase(const std::wstring& text);
// Case-insensitive comparison of the platform's ordinal upper-casing.
bool SameText(const std::wstring& a, const std::wstring& b);
int CompareText(const std::wstring& a, const std::wstring& b);
std::wstring IntToStr(long long value);
// Whole-string decimal or "$"/"0x" hexadecimal; raises EConvertError otherwise.
int StrToInt(const std::wstring& text);
int StrToIntDef(const std::wstring& text, int fallback);

}  // namespace orv
