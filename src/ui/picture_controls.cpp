// The picture check boxes of the main window. The picture shown decides the next state, so a
// box that has never been given a picture turns off first.
#include "ui/form1.h"

namespace quorvant {

void Form1::toggle(PictureBox* checkBox) {
    const bool wasOff = checkBox->showsPictureOf(*HLCoche0);
    checkBox->setPicture(wasOff ? HLCoche1->picture() : HLCoche0->picture());
    checkBox->setTag(wasOff ? QStringLiteral("1") : QStringLiteral("0"));
}

void Form1::coche_dev_Click() { toggle(coche_dev); }

void Form1::coche_console_Click() { toggle(coche_console); }

void Form1::coche_ping_Click() { toggle(coche_ping); }

void Form1::coche_memoire_Click() { toggle(coche_memoire); }

}  // namespace quorvant
