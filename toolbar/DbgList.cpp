#include "toolbar/DbgList.h"

namespace orv {

void RaiseListReadError() {
    throw Exception(L"Index out of bounds in list read access");
}

void RaiseListWriteError() {
    throw Exception(L"Index out of bounds in list write access");
}

}  // namespace orv
