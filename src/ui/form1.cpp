#include "ui/form1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>

#include "ui/dialogs.h"
#include "ui/pictures.h"

namespace quorvant {
namespace {

constexpr QSize kWindowSize(609, 377);
constexpr QRect kPanelArea(128, 44, 470, 290);
constexpr QRect kSubPanelArea(0, 30, 470, 260);

template <typename Control>
Control* Make(QWidget* parent, const char* name, QRect geometry) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

QFrame* MakeFrame(QWidget* parent, const char* name, QRect geometry) {
    auto* frame = Make<QFrame>(parent, name, geometry);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

PictureBox* MakeBackdrop(QFrame* frame, const char* name) {
    auto* backdrop = Make<PictureBox>(frame, name, QRect(QPoint(0, 0), kWindowSize));
    backdrop->lower();
    return backdrop;
}

}  // namespace

Form1::Form1(Dialogs& dialogs, QWidget* splash)
    : dialogs_(dialogs), splash_(splash), background_(pictures::Background()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(kWindowSize);
    buildControls();
}

Form1::~Form1() = default;

void Form1::closeEvent(QCloseEvent* event) {
    if (loaded_) Form_Unload();
    event->accept();
}

void Form1::buildControls() {
    auto* backdrop = Make<PictureBox>(this, "Form1_background", rect());
    backdrop->setPicture(background_);

    Label18 = Make<ClickLabel>(this, "Label18", QRect(8, 60, 112, 22));
    Label17 = Make<ClickLabel>(this, "Label17", QRect(8, 90, 112, 22));
    Label16 = Make<ClickLabel>(this, "Label16", QRect(8, 120, 112, 22));

    Frame_mplayer = MakeFrame(this, "Frame_mplayer", kPanelArea);
    Img_frame_mplayer = MakeBackdrop(Frame_mplayer, "Img_frame_mplayer");
    Label23 = Make<ClickLabel>(Frame_mplayer, "Label23", QRect(10, 4, 90, 20));
    Label22 = Make<ClickLabel>(Frame_mplayer, "Label22", QRect(110, 4, 90, 20));

    Frame_server = MakeFrame(Frame_mplayer, "Frame_server", kSubPanelArea);
    img_frame_server = MakeBackdrop(Frame_server, "img_frame_server");
    lst_mods = Make<QListWidget>(Frame_server, "lst_mods", QRect(10, 20, 140, 150));
    txt_max_players = Make<QLineEdit>(Frame_server, "txt_max_players", QRect(170, 150, 50, 20));
    txt_max_players->setText(QStringLiteral("8"));
    txt_port_server = Make<QLineEdit>(Frame_server, "txt_port_server", QRect(170, 180, 60, 20));
    txt_port_server->setText(QStringLiteral("27015"));
    coche_dedicated = Make<PictureBox>(Frame_server, "coche_dedicated", QRect(170, 210, 19, 19));

    Frame_Join = MakeFrame(Frame_mplayer, "Frame_Join", kSubPanelArea);
    img_frame_join = MakeBackdrop(Frame_Join, "img_frame_join");
    txt_ip = Make<QComboBox>(Frame_Join, "txt_ip", QRect(100, 40, 200, 22));
    txt_ip->setEditable(true);
    txt_port_join = Make<QLineEdit>(Frame_Join, "txt_port_join", QRect(100, 70, 70, 20));
    Frame_Join->hide();

    Frame_single = MakeFrame(this, "Frame_single", kPanelArea);
    Img_frame_single = MakeBackdrop(Frame_single, "Img_frame_single");
    lst_mods_solo = Make<QListWidget>(Frame_single, "lst_mods_solo", QRect(10, 20, 140, 150));
    coche_skip_intro = Make<PictureBox>(Frame_single, "coche_skip_intro", QRect(170, 120, 19, 19));
    coche_skill1 = Make<PictureBox>(Frame_single, "coche_skill1", QRect(170, 170, 19, 19));
    coche_skill2 = Make<PictureBox>(Frame_single, "coche_skill2", QRect(170, 195, 19, 19));
    coche_skill3 = Make<PictureBox>(Frame_single, "coche_skill3", QRect(170, 220, 19, 19));
    Frame_single->hide();

    frame_config = MakeFrame(this, "frame_config", kPanelArea);
    img_frame_config = MakeBackdrop(frame_config, "img_frame_config");
    txt_hl = Make<QLineEdit>(frame_config, "txt_hl", QRect(10, 30, 300, 20));
    txt_hlexe = Make<QLineEdit>(frame_config, "txt_hlexe", QRect(10, 80, 120, 20));
    coche_dev = Make<PictureBox>(frame_config, "coche_dev", QRect(10, 120, 19, 19));
    coche_console = Make<PictureBox>(frame_config, "coche_console", QRect(10, 145, 19, 19));
    coche_memoire = Make<PictureBox>(frame_config, "coche_memoire", QRect(10, 170, 19, 19));
    coche_ping = Make<PictureBox>(frame_config, "coche_ping", QRect(10, 195, 19, 19));
    txt_memoire = Make<QLineEdit>(frame_config, "txt_memoire", QRect(10, 240, 80, 20));
    frame_config->hide();

    HLCoche0 = Make<PictureBox>(this, "HLCoche0", QRect(0, 0, 19, 19));
    HLCoche1 = Make<PictureBox>(this, "HLCoche1", QRect(0, 0, 19, 19));
    HLOption0 = Make<PictureBox>(this, "HLOption0", QRect(0, 0, 19, 19));
    HLOption1 = Make<PictureBox>(this, "HLOption1", QRect(0, 0, 19, 19));
    HLCoche0->setPicture(pictures::CheckBox(false));
    HLCoche1->setPicture(pictures::CheckBox(true));
    HLOption0->setPicture(pictures::OptionButton(false));
    HLOption1->setPicture(pictures::OptionButton(true));
    for (PictureBox* reference : {HLCoche0, HLCoche1, HLOption0, HLOption1}) reference->hide();

    Image1 = Make<PictureBox>(this, "Image1", QRect(480, 8, 33, 17));
    Image2 = Make<PictureBox>(this, "Image2", QRect(520, 8, 33, 17));
    Image1->setTag(QStringLiteral("1"));

    for (PictureBox* box : {coche_dev, coche_console, coche_ping, coche_memoire, coche_dedicated,
                            coche_skip_intro, coche_skill1, coche_skill2, coche_skill3}) {
        box->setTag(QStringLiteral("0"));
    }

    connect(Label18, &ClickLabel::clicked, this, &Form1::Label18_Click);
    connect(Label17, &ClickLabel::clicked, this, &Form1::Label17_Click);
    connect(Label16, &ClickLabel::clicked, this, &Form1::Label16_Click);
    connect(Label23, &ClickLabel::clicked, this, &Form1::Label23_Click);
    connect(Label22, &ClickLabel::clicked, this, &Form1::Label22_Click);
    connect(coche_dev, &ClickLabel::clicked, this, &Form1::coche_dev_Click);
    connect(coche_console, &ClickLabel::clicked, this, &Form1::coche_console_Click);
    connect(coche_ping, &ClickLabel::clicked, this, &Form1::coche_ping_Click);
    connect(coche_memoire, &ClickLabel::clicked, this, &Form1::coche_memoire_Click);
    connect(Image1, &ClickLabel::clicked, this, &Form1::Image1_Click);
    connect(Image2, &ClickLabel::clicked, this, &Form1::Image2_Click);
}

}  // namespace quorvant
