#include "ui/click_label_accessible.h"

#include <QAccessibleWidget>

#include "ui/click_label.h"

namespace quorvant {
namespace {

QAccessible::Role RoleOf(ControlRole role) {
    switch (role) {
        case ControlRole::Button:
            return QAccessible::Button;
        case ControlRole::CheckBox:
            return QAccessible::CheckBox;
        case ControlRole::RadioButton:
            return QAccessible::RadioButton;
        case ControlRole::Tab:
            return QAccessible::PageTab;
        case ControlRole::Link:
            return QAccessible::Link;
        case ControlRole::Label:
            break;
    }
    return QAccessible::StaticText;
}

class AccessibleClickLabel : public QAccessibleWidget {
  public:
    explicit AccessibleClickLabel(ClickLabel* label) : QAccessibleWidget(label) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QAccessible::Role role() const override { return RoleOf(label()->role()); }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString set = widget()->accessibleName();
            return set.isEmpty() ? label()->spokenName() : set;
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const ControlRole role = label()->role();
        if (role == ControlRole::CheckBox || role == ControlRole::RadioButton) {
            state.checkable = true;
            state.checked = label()->isMarked();
        }
        if (role == ControlRole::Tab) state.selected = label()->isMarked();
        return state;
    }

    QStringList actionNames() const override {
        return label()->role() == ControlRole::Label ? QStringList() : QStringList{pressAction()};
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) label()->activate();
    }

  private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

// Every such label, whatever its role: Qt keeps the first description it makes of a widget,
// and a label takes its role after it is made.
QAccessibleInterface* DescribeClickLabel(const QString&, QObject* object) {
    auto* label = qobject_cast<ClickLabel*>(object);
    return label ? new AccessibleClickLabel(label) : nullptr;
}

}  // namespace

void InstallAccessibleClickLabels() {
    static const bool installed = [] {
        QAccessible::installFactory(DescribeClickLabel);
        return true;
    }();
    (void)installed;
}

}  // namespace quorvant
