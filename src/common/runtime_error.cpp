#include "common/runtime_error.h"

namespace qimbora {

namespace {

const char* kindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "type mismatch";
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::FloatingPoint:
        return "floating-point error";
    case ErrorKind::Platform:
        return "platform error";
    }
    return "error";
}

} // namespace

RuntimeError::RuntimeError(ErrorKind kind, const std::string& detail)
    : std::runtime_error(detail.empty() ? kindName(kind) : std::string(kindName(kind)) + ": " + detail)
    , m_kind(kind)
    , m_detail(detail)
{
}

} // namespace qimbora
