// Sources of the DDRMI's two bearing pointers, switched by the knobs at the
// bottom corners.
#pragma once

namespace corvane {

extern int ddrmi_ptr1_adf;  // 0 VOR1, 1 ADF
extern int ddrmi_ptr2_adf;  // 0 VOR2, 1 ADF

}  // namespace corvane
