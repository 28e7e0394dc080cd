#include "app/frm_main.h"

#include <QCloseEvent>
#include <QLabel>

#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/pictures.h"

namespace quorvant {
namespace {

constexpr int kTimerInterval = 100;

}  // namespace

frm_main::frm_main(Dialogs& dialogs, Desktop& desktop, const StatusOptions& status,
                   std::function<void()> endProgram)
    : dialogs_(dialogs), desktop_(desktop), status_(status), endProgram_(std::move(endProgram)) {
    setObjectName(QStringLiteral("frm_main"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setWindowIcon(pictures::AppIcon());
    auto* picture = new QLabel(this);
    picture->setPixmap(pictures::Splash());
    picture->adjustSize();
    setFixedSize(picture->size());

    Timer1.setInterval(kTimerInterval);
    connect(&Timer1, &QTimer::timeout, this, &frm_main::Timer1_Timer);
    Timer1.start();
}

frm_main::~frm_main() = default;

void frm_main::Timer1_Timer() {
    if (form1_) return;
    form1_ = std::make_unique<Form1>(dialogs_, desktop_, status_, this);
    if (!form1_->Form_Load()) {
        Timer1.stop();
        endProgram_();
    }
}

void frm_main::closeEvent(QCloseEvent* event) {
    Timer1.stop();
    event->accept();
}

void Main(frm_main& splash) { splash.show(); }

}  // namespace quorvant
