#include "Vendor.h"
#include "ui/Form1.h"

namespace tess {

// Help.
void Form1::PushButton3_Click() {
    ErrorTrap trap(s_.dialogs, "Form1", "PushButton3_Click");
    trap.Step(100, [&] {
        s_.dialogs.Message({std::string("Questions? Please contact Team Quorvane at http://") +
                                kVendorHost + "/contact/",
                            "", MessageButtons::Ok});
    });
}

}  // namespace tess
