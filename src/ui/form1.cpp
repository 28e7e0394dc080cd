#include "ui/form1.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include "catalogue/map_picture.h"
#include "launch/join_status.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/focus_ring.h"
#include "ui/launch_feedback.h"
#include "ui/name_list_model.h"
#include "ui/pictures.h"
#include "ui/shape.h"

namespace quorvant {
namespace {

constexpr QSize kWindowSize(609, 377);
constexpr QRect kPanelArea(132, 52, 466, 278);
constexpr QRect kSubPanelArea(0, 28, 466, 250);

// The first child of a panel: the window's background, placed at start-up.
// It covers its panel with an opaque picture, so nothing beneath it need be painted first.
PictureBox* MakeBackdrop(QFrame* frame, const char* name) {
    auto* backdrop = MakeControl<PictureBox>(frame, name, QRect(QPoint(0, 0), kWindowSize));
    backdrop->setAttribute(Qt::WA_OpaquePaintEvent);
    return backdrop;
}

}  // namespace

Form1::Form1(Dialogs& dialogs, Desktop& desktop, const StatusOptions& status, QWidget* splash)
    : dialogs_(dialogs),
      desktop_(desktop),
      splash_(splash),
      background_(pictures::Background()),
      statusOptions_(status) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(pictures::AppIcon());
    setFixedSize(kWindowSize);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    setFont(font);
    setPalette(ControlsPalette());
    QToolTip::setPalette(ControlsPalette());
    buildWindowControls();
    buildServerPanel();
    buildJoinPanel();
    buildSinglePanel();
    buildConfigPanel();
    for (PictureBox* box : {coche_dev, coche_console, coche_ping, coche_memoire, coche_dedicated,
                            coche_skip_intro, coche_skill1, coche_skill2, coche_skill3}) {
        box->setTag(QStringLiteral("0"));
    }
    styleOwnControls();
    new FocusRing(this);
    connectHandlers();
    // A screen that goes, or shrinks, may take the window with it.
    const auto watchScreen = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &Form1::keepOnScreen);
    };
    for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, watchScreen);
    connect(qApp, &QGuiApplication::screenRemoved, this,
            [this] { QTimer::singleShot(0, this, &Form1::keepOnScreen); });
    describeControls();
}

Form1::~Form1() = default;

// The main window's own controls, over the shared look.
void Form1::styleOwnControls() {
    // The fields keep their own colours when the panels around them are made black at start-up.
    const QPalette fields = ControlsPalette();
    for (QWidget* field : findChildren<QAbstractItemView*>()) field->setPalette(fields);
    for (QWidget* field : findChildren<QLineEdit*>()) field->setPalette(fields);
    for (QComboBox* field : findChildren<QComboBox*>()) {
        field->setPalette(fields);
        // The drop-down list is a window of its own, which takes no palette from the box.
        field->view()->setPalette(DialogPalette());
        field->view()->window()->setPalette(DialogPalette());
    }
    btn_go->setFace(kAccent);
    SetTextColour(btn_go, QColor(0x15, 0x16, 0x1a));
    SetFontSize(btn_go, 17, QFont::Bold);
    SetTextColour(Label4, QColor(0xf4, 0xf4, 0xf4));
    SetFontSize(Label4, 19, QFont::Bold);
    QFont spaced = Label4->font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    Label4->setFont(spaced);
    for (QWidget* label : {Label20, Label21}) {
        SetTextColour(label, kQuietText);
        SetFontSize(label, 10);
    }
    SetTextColour(Label1, QColor(0xb8, 0xbc, 0xc6));
    for (QWidget* heading : {Label3, Label11, Label37, Label35}) SetTextColour(heading, kAccent);
    for (QWidget* action : {Label28, Label19, Label29}) SetFontSize(action, 10);
}

void Form1::buildWindowControls() {
    Label4 = MakeLabel(this, "Label4", QRect(16, 8, 220, 28), "Quorvant");
    Label20 = MakeLabel(this, "Label20", QRect(16, 344, 200, 14), "version beta 1.0");
    Label21 = MakeLabel(this, "Label21", QRect(16, 358, 260, 14), "Made by Velmarsh Software");
    launchFeedback = new LaunchFeedback(this, QRect(16, 344, 404, 28), {Label20, Label21});
    Line1 = MakeShape(this, "Line1", QRect(8, 44, 593, 1), Qt::transparent, kEdge);
    Line2 = MakeShape(this, "Line2", QRect(16, 152, 98, 1), Qt::transparent, kEdge);
    Line3 = MakeShape(this, "Line3", QRect(0, 337, 609, 1), Qt::transparent, kEdge);
    Line4 = MakeShape(this, "Line4", QRect(410, 12, 1, 20), Qt::transparent, kEdge);
    Line5 = MakeShape(this, "Line5", QRect(550, 12, 1, 20), Qt::transparent, kEdge);
    for (Shape* line : {Line1, Line2, Line3, Line4, Line5}) line->setFilled(true);

    Shape_Server = MakeHighlight(this, "Shape_Server", QRect(11, 62, 109, 24));
    Shape_Client = MakeHighlight(this, "Shape_Client", QRect(11, 90, 109, 24));
    Shape_General = MakeHighlight(this, "Shape_General", QRect(11, 118, 109, 24));
    Label18 = MakeLabel(this, "Label18", QRect(11, 62, 109, 24), "MULTIPLAYER");
    Label17 = MakeLabel(this, "Label17", QRect(11, 90, 109, 24), "SINGLE PLAYER");
    Label16 = MakeLabel(this, "Label16", QRect(11, 118, 109, 24), "CONFIGURATION");
    for (ClickLabel* tab : {Label18, Label17, Label16}) tab->setIndent(3);

    btn_go = MakeLabel(this, "btn_go", QRect(500, 342, 96, 30), "GO !");
    btn_go->setAlignment(Qt::AlignCenter);
    Label1 = MakeLabel(this, "Label1", QRect(428, 348, 60, 18), "Close");
    Label1->setAlignment(Qt::AlignCenter);
    Image1 = MakeControl<PictureBox>(this, "Image1", QRect(464, 14, 33, 17));
    Image2 = MakeControl<PictureBox>(this, "Image2", QRect(506, 14, 33, 17));
    // Under the flag of the language shown.
    Shape_language =
        MakeShape(this, "Shape_language", QRect(464, 33, 33, 2), Qt::transparent, kAccent);
    Shape_language->setFilled(true);
    Image3 = MakeControl<PictureBox>(this, "Image3", QRect(562, 15, 16, 14));
    Image4 = MakeControl<PictureBox>(this, "Image4", QRect(584, 15, 16, 14));
    Image1->setPicture(pictures::EnglishFlag());
    Image2->setPicture(pictures::FrenchFlag());
    Image3->setPicture(pictures::Minimise());
    Image4->setPicture(pictures::Close());
    Image1->setTag(QStringLiteral("1"));
    for (PictureBox* button : {Image1, Image2, Image3, Image4}) {
        button->setCursor(Qt::PointingHandCursor);
    }
    for (ClickLabel* button : {btn_go, Label1, Label18, Label17, Label16}) {
        button->setCursor(Qt::PointingHandCursor);
    }

    HLCoche0 = MakeBox(this, "HLCoche0", QPoint(0, 0));
    HLCoche1 = MakeBox(this, "HLCoche1", QPoint(0, 0));
    HLOption0 = MakeBox(this, "HLOption0", QPoint(0, 0));
    HLOption1 = MakeBox(this, "HLOption1", QPoint(0, 0));
    HLCoche0->setPicture(pictures::CheckBox(false));
    HLCoche1->setPicture(pictures::CheckBox(true));
    HLOption0->setPicture(pictures::OptionButton(false));
    HLOption1->setPicture(pictures::OptionButton(true));
    for (PictureBox* reference : {HLCoche0, HLCoche1, HLOption0, HLOption1}) reference->hide();

    Frame_mplayer = MakeFrame(this, "Frame_mplayer", kPanelArea);
    Img_frame_mplayer = MakeBackdrop(Frame_mplayer, "Img_frame_mplayer");
    Shape7 = MakeHighlight(Frame_mplayer, "Shape7", QRect(8, 2, 84, 22));
    Shape6 = MakeHighlight(Frame_mplayer, "Shape6", QRect(96, 2, 84, 22));
    Label23 = MakeLabel(Frame_mplayer, "Label23", QRect(8, 2, 84, 22), "CREATE");
    Label22 = MakeLabel(Frame_mplayer, "Label22", QRect(96, 2, 84, 22), "JOIN");
    for (ClickLabel* tab : {Label23, Label22}) {
        tab->setAlignment(Qt::AlignCenter);
        tab->setCursor(Qt::PointingHandCursor);
    }
    // The window opens on the create view.
    for (ClickLabel* tab : {Label18, Label23}) {
        QFont bold = tab->font();
        bold.setBold(true);
        tab->setFont(bold);
        tab->setMarked(true);
    }
    MakeShape(Frame_mplayer, "Shape_subtabs", QRect(6, 26, 454, 1), Qt::transparent, kEdge)
        ->setFilled(true);
}

// Two balanced columns: the mod, its bots and its files on the left; what the server starts
// with on the right. The lists show whole rows and everything stays inside the panel.
void Form1::buildServerPanel() {
    Frame_server = MakeFrame(Frame_mplayer, "Frame_server", kSubPanelArea);
    img_frame_server = MakeBackdrop(Frame_server, "img_frame_server");
    Label2 = MakeLabel(Frame_server, "Label2", QRect(8, 4, 150, 16), "Mods:");
    lst_mods = MakeList(Frame_server, "lst_mods", QRect(8, 20, 150, ListHeight(*this, 6)));
    const int botsTop = lst_mods->geometry().bottom() + 5;
    Label12 = MakeLabel(Frame_server, "Label12", QRect(8, botsTop, 150, 16), "Bots:");
    lst_bots =
        MakeList(Frame_server, "lst_bots", QRect(8, botsTop + 16, 150, ListHeight(*this, 3)));

    Label11 = MakeLabel(Frame_server, "Label11", QRect(172, 4, 286, 16), "Informations:");
    lbl_info_nom = MakeLabel(Frame_server, "lbl_info_nom", QRect(180, 20, 278, 16), "nom");
    lbl_info_version =
        MakeLabel(Frame_server, "lbl_info_version", QRect(180, 36, 278, 16), "version");
    lbl_info_URL = MakeLink(Frame_server, "lbl_info_URL", QRect(180, 52, 278, 16));

    Label13 = MakeLabel(Frame_server, "Label13", QRect(172, 76, 150, 16), "Map:");
    lst_maps = MakeControl<QComboBox>(Frame_server, "lst_maps", QRect(172, 92, 286, 22));
    auto* maps = new NameListModel(lst_maps);
    maps->setNoteMark(MissingContentMark());
    lst_maps->setModel(maps);
    lbl_titre = MakeLabel(Frame_server, "lbl_titre", QRect(172, 116, 286, 16), "Map title");
    lbl_titre->setToolTip(QStringLiteral("Map title"));
    lbl_map_check = MakeLabel(Frame_server, "lbl_map_check", QRect(172, 130, 286, 14), "");
    lbl_map_check->setTextFormat(Qt::PlainText);
    SetFontSize(lbl_map_check, 10);
    SetTextColour(lbl_map_check, kAccent);
    img_map = MakeControl<QLabel>(Frame_server, "img_map", QRect(412, 144, 46, 46));
    img_map->setAlignment(Qt::AlignCenter);

    Label15 = MakeLabel(Frame_server, "Label15", QRect(172, 144, 150, 20), "Max players:");
    txt_max_players = MakeField(Frame_server, "txt_max_players", QRect(330, 144, 60, 20), "8");
    Label30 = MakeLabel(Frame_server, "Label30", QRect(172, 170, 150, 20), "Port:");
    txt_port_server = MakePortField(Frame_server, "txt_port_server", QRect(330, 170, 80, 20));
    txt_port_server->setText(QStringLiteral("27015"));
    coche_dedicated = MakeBox(Frame_server, "coche_dedicated", QPoint(172, 198));
    Label14 = MakeLabel(Frame_server, "Label14", QRect(196, 198, 262, 19), "Dedicated server");

    // The three actions under the bot list, evenly spaced, each over its press highlight.
    const int actionsTop = lst_bots->geometry().bottom() + 9;
    const auto action = [actionsTop](int index) {
        return QRect(8, actionsTop + index * 24, 150, 20);
    };
    Shape14 = MakeHighlight(Frame_server, "Shape14", action(0));
    Shape9 = MakeHighlight(Frame_server, "Shape9", action(1));
    Shape15 = MakeHighlight(Frame_server, "Shape15", action(2));
    for (Shape* shape : {Shape14, Shape9, Shape15}) shape->setColours(kEdge, kHighlight);
    Label28 = MakeLabel(Frame_server, "Label28", action(0), "Mod's server options");
    Label19 = MakeLabel(Frame_server, "Label19", action(1), "Configure Mapcycle");
    Label29 = MakeLabel(Frame_server, "Label29", action(2), "Edit motd.txt");
    for (ClickLabel* label : {Label28, Label19, Label29}) {
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
    }
}

void Form1::buildJoinPanel() {
    Frame_Join = MakeFrame(Frame_mplayer, "Frame_Join", kSubPanelArea);
    img_frame_join = MakeBackdrop(Frame_Join, "img_frame_join");
    MakeShape(Frame_Join, "Shape_join_box", QRect(8, 8, 450, 162), kEdge, Qt::transparent);
    Label3 = MakeLabel(Frame_Join, "Label3", QRect(20, 16, 300, 18), "Connect to a server :");
    Label5 = MakeLabel(Frame_Join, "Label5", QRect(20, 46, 110, 22), "IP:");
    txt_ip = MakeControl<QComboBox>(Frame_Join, "txt_ip", QRect(136, 46, 220, 22));
    txt_ip->setEditable(true);
    txt_ip->setInsertPolicy(QComboBox::NoInsert);
    Label27 = MakeLabel(Frame_Join, "Label27", QRect(20, 76, 110, 22), "Port:");
    txt_port_join = MakePortField(Frame_Join, "txt_port_join", QRect(136, 76, 80, 22));
    Label24 = MakeLabel(Frame_Join, "Label24", QRect(20, 106, 110, 22), "Password:");
    txt_password = MakePasswordField(Frame_Join, "txt_password", QRect(136, 106, 160, 22));
    // Words from the network: shown as they are, never read as markup.
    lbl_join_status = MakeLabel(Frame_Join, "lbl_join_status", QRect(20, 136, 430, 22), "");
    lbl_join_status->setTextFormat(Qt::PlainText);
    lbl_find_server = MakeLink(Frame_Join, "lbl_find_server", QRect(236, 76, 210, 22));
    Frame_Join->hide();
}

void Form1::buildSinglePanel() {
    Frame_single = MakeFrame(this, "Frame_single", kPanelArea);
    Img_frame_single = MakeBackdrop(Frame_single, "Img_frame_single");
    Label33 = MakeLabel(Frame_single, "Label33", QRect(8, 4, 140, 16), "Mods:");
    lst_mods_solo = MakeList(Frame_single, "lst_mods_solo", QRect(8, 22, 140, 124));
    Label34 = MakeLabel(Frame_single, "Label34", QRect(8, 152, 150, 16), "Saved games:");
    lst_solo_save = MakeList(Frame_single, "lst_solo_save", QRect(8, 170, 296, 100));

    Label37 = MakeLabel(Frame_single, "Label37", QRect(160, 4, 300, 16), "Informations:");
    lbl_solo_nom = MakeLabel(Frame_single, "lbl_solo_nom", QRect(168, 22, 292, 16), "nom");
    lbl_solo_version =
        MakeLabel(Frame_single, "lbl_solo_version", QRect(168, 38, 292, 16), "version");
    lbl_solo_url = MakeLink(Frame_single, "lbl_solo_url", QRect(168, 54, 292, 16));

    Shape_game = MakeHighlight(Frame_single, "Shape_game", QRect(160, 78, 176, 20));
    Shape_training = MakeHighlight(Frame_single, "Shape_training", QRect(160, 100, 176, 20));
    Shape_load = MakeHighlight(Frame_single, "Shape_load", QRect(160, 122, 176, 20));
    Label31 = MakeLabel(Frame_single, "Label31", QRect(160, 78, 176, 20), "Start a new game");
    Label32 = MakeLabel(Frame_single, "Label32", QRect(160, 100, 176, 20), "Start training map");
    lbl_load = MakeLabel(Frame_single, "lbl_load", QRect(160, 122, 176, 20), "Load saved game");
    for (ClickLabel* choice : {Label31, Label32, lbl_load}) {
        choice->setIndent(6);
        choice->setCursor(Qt::PointingHandCursor);
    }
    coche_skip_intro = MakeBox(Frame_single, "coche_skip_intro", QPoint(160, 147));
    lbl_skip_intro =
        MakeLabel(Frame_single, "lbl_skip_intro", QRect(184, 147, 150, 19), "Skip introduction");

    Label35 = MakeLabel(Frame_single, "Label35", QRect(316, 170, 146, 16), "Difficulty level:");
    coche_skill1 = MakeBox(Frame_single, "coche_skill1", QPoint(318, 192));
    coche_skill2 = MakeBox(Frame_single, "coche_skill2", QPoint(318, 216));
    coche_skill3 = MakeBox(Frame_single, "coche_skill3", QPoint(318, 240));
    lbl_skill1 = MakeLabel(Frame_single, "lbl_skill1", QRect(342, 192, 118, 19), "Easy");
    lbl_skill2 = MakeLabel(Frame_single, "lbl_skill2", QRect(342, 216, 118, 19), "Normal");
    lbl_skill3 = MakeLabel(Frame_single, "lbl_skill3", QRect(342, 240, 118, 19), "Hard");
    Frame_single->hide();
}

void Form1::buildConfigPanel() {
    frame_config = MakeFrame(this, "frame_config", kPanelArea);
    img_frame_config = MakeBackdrop(frame_config, "img_frame_config");
    Label26 = MakeLabel(frame_config, "Label26", QRect(16, 12, 300, 16), "Half-Life path:");
    txt_hl = MakeField(frame_config, "txt_hl", QRect(16, 30, 434, 22));
    Label25 = MakeLabel(frame_config, "Label25", QRect(16, 62, 300, 16), "Half-Life EXE:");
    txt_hlexe = MakeField(frame_config, "txt_hlexe", QRect(16, 80, 160, 22));
    coche_dev = MakeBox(frame_config, "coche_dev", QPoint(16, 122));
    coche_console = MakeBox(frame_config, "coche_console", QPoint(16, 148));
    coche_ping = MakeBox(frame_config, "coche_ping", QPoint(16, 174));
    coche_memoire = MakeBox(frame_config, "coche_memoire", QPoint(16, 200));
    Label6 = MakeLabel(frame_config, "Label6", QRect(40, 122, 200, 19), "Developer mode");
    Label7 = MakeLabel(frame_config, "Label7", QRect(40, 148, 200, 19), "Enable console");
    Label10 = MakeLabel(frame_config, "Label10", QRect(40, 174, 200, 19), "Show numeric ping");
    Label8 = MakeLabel(frame_config, "Label8", QRect(40, 200, 200, 19), "Low memory mode");
    Label9 = MakeLabel(frame_config, "Label9", QRect(250, 122, 210, 32),
                       "Specify used memory (ex: 64000)");
    Label9->setWordWrap(true);
    txt_memoire = MakeField(frame_config, "txt_memoire", QRect(250, 156, 100, 22));
    frame_config->hide();
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_.picture());
}

void Form1::mousePressEvent(QMouseEvent* event) { Form_MouseDown(event->position().toPoint()); }

void Form1::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove(event->globalPosition().toPoint());
}

void Form1::mouseReleaseEvent(QMouseEvent*) { Form_MouseUp(); }

void Form1::closeEvent(QCloseEvent* event) {
    if (loaded_) Form_Unload();
    event->accept();
}

}  // namespace quorvant
