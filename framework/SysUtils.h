#pragma once
// Exceptions raised by the framework and library, and the few string helpers every
// unit needs. Messages are plain English (UTF-8 in what(), UTF-16 in Message()).
#include <string>

#include "framework/Exception.h"

namespace orv {

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
// A value outside the range of the type that holds it.
class ERangeError : public Exception {
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
