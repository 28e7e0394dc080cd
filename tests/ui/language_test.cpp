#include <gtest/gtest.h>

#include <QLabel>
#include <cstdint>

#include "serverconfig/frm_mapcycle.h"
#include "serverconfig/frm_serveur.h"
#include "support/ui_fixture.h"

namespace quorvant {
namespace {

// FNV-1a, 64 bits.
std::uint64_t Digest(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const unsigned char byte : bytes) hash = (hash ^ byte) * 0x100000001b3;
    return hash;
}

// A digest of the title, then of every caption and tooltip the window shows, control by control;
// every caption on one line must fit its control.
void ExpectShown(const QWidget& window, std::uint64_t digest) {
    QString texts = window.windowTitle() + '\n';
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const QString caption = label ? label->text() : QString();
        if (caption.isEmpty() && control->toolTip().isEmpty()) continue;
        texts += control->objectName() + " | " + caption + " | " + control->toolTip() + '\n';
        if (caption.isEmpty() || label->wordWrap()) continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(caption),
                  label->contentsRect().width() - label->indent())
            << "clipped: " << label->objectName().toStdString() << ": " << caption.toStdString();
    }
    EXPECT_EQ(Digest(texts.toStdString()), digest) << texts.toStdString();
}

// The texts are the program's own words, spelling slips and accents included. Rather than type
// them all out again, each test compares a digest of everything a window shows: any changed
// letter of any caption or tooltip, English or French, fails it. After changing a text on purpose,
// read the texts the failure prints and take the new digest from it.
struct Shown {
    std::uint64_t main, serverOptions, mapCycle;
};
constexpr Shown kEnglish = {0x51f708fc538aac6f, 0x1b236e19bb5db016, 0xb563345e15a02694};
constexpr Shown kFrench = {0xc070b1e6fb5f5bd6, 0xe636f804fe330739, 0x13b56d7cc470804c};

class LanguageTest : public ::quorvant::testing::MainWindowTest {
  protected:
    void expectShown(const Shown& expected) {
        ExpectShown(*form, expected.main);
        frm_serveur serverOptions(*form, dialogs);
        serverOptions.Form_Load();
        ExpectShown(serverOptions, expected.serverOptions);
        frm_mapcycle mapCycle(*form, dialogs);
        mapCycle.Form_Load();
        ExpectShown(mapCycle, expected.mapCycle);
    }
};

// The flags set every text row by row, those that copy another control's text after it, and the
// tool windows open in the language the main window shows.
TEST_F(LanguageTest, TheFlagsSetEveryTextAndTheToolWindowsFollow) {
    expectShown(kEnglish);
    form->Image2_Click();
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("0"));
    EXPECT_EQ(form->Label27->text(), QStringLiteral("Port :"));
    expectShown(kFrench);
    form->SetGameDll("missing", "mp.dll");
    EXPECT_EQ(dialogs.messages, QStringList({"Can't write DLL!"}));  // messages stay in English
    form->Image1_Click();
    EXPECT_EQ(form->Image1->tag(), QStringLiteral("1"));
    expectShown(kEnglish);
}

}  // namespace
}  // namespace quorvant
