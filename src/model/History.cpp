#include "model/History.h"

namespace tindle {

void History::Clear() {
    stockLines.clear();
    foundationLines.clear();
    tableauLines.clear();
    reserveLines.clear();
    marks.clear();
}

}  // namespace tindle
