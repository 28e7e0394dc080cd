// The two languages of the main window; Image1's tag records which one is showing.
#include "ui/form1.h"

namespace quorvant {

void Form1::Image1_Click() { Image1->setTag(QStringLiteral("1")); }

void Form1::Image2_Click() { Image1->setTag(QStringLiteral("0")); }

}  // namespace quorvant
