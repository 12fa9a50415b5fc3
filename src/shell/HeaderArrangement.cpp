#include "shell/HeaderArrangement.h"

namespace tindle {

HeaderPlacement ArrangeHeaderPanels(const HeaderInputs& in) {
    HeaderPlacement out;
    out.clockLeft = in.referenceWidth - in.clockWidth - kHeaderRightMargin;
    out.scoreLeft = in.showTime ? out.clockLeft - in.scoreWidth - kHeaderPanelGap
                                : in.referenceWidth - in.scoreWidth - kHeaderRightMargin;
    out.greyLineTop = in.rowBottom;
    out.blackLineTop = in.rowBottom + 1;
    out.lineWidth = in.referenceWidth;
    out.scoreVisible = in.showScore && out.scoreLeft > in.toolBarRight + kHeaderClearance;
    out.clockVisible = in.showTime && out.clockLeft > in.toolBarRight + kHeaderClearance;
    return out;
}

}  // namespace tindle
