// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/accessible_tab_bar.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTabBar>
#include <algorithm>
#include <vector>

namespace morvane {
namespace {

// A caption as heard: "&Birth/Destiny Number" is "Birth/Destiny Number", "&&" one "&".
QString WithoutMnemonic(QString text) {
    static const QRegularExpression kMnemonic(QStringLiteral("&(.)"));
    return text.replace(kMnemonic, QStringLiteral("\\1"));
}

// One tab, standing for a small object of the bar's own: Qt's registry
// deletes the interface with it, and so with the bar.
class TabAccessible : public QAccessibleObject, public QAccessibleActionInterface {
  public:
    TabAccessible(QTabBar* bar, int index) : QAccessibleObject(new QObject(bar)), index_(index) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const QString caption = bar()->tabText(index_);
        return t == QAccessible::Name ? WithoutMnemonic(caption)
               : t == QAccessible::Accelerator
                   ? QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText)
                   : QString();
    }
    QRect rect() const override {
        return bar()->tabRect(index_).translated(bar()->mapToGlobal(QPoint()));
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state = parent()->state();
        state.selectable = true;
        state.selected = index_ == bar()->currentIndex();
        state.focused = state.selected && bar()->hasFocus();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            bar()->setCurrentIndex(index_);
        }
    }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  private:
    QTabBar* bar() const { return static_cast<QTabBar*>(object()->parent()); }

    int index_;
};

class TabBarAccessible : public QAccessibleWidget {
  public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count()) {
            return nullptr;
        }
        while (static_cast<int>(tabs_.size()) <= index) {
            // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): Qt's registry owns it
            tabs_.push_back(QAccessible::registerAccessibleInterface(
                new TabAccessible(bar(), static_cast<int>(tabs_.size()))));
        }
        return QAccessible::accessibleInterface(tabs_[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto it = std::find(tabs_.begin(), tabs_.end(),
                                  QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)));
        return it != tabs_.end() ? static_cast<int>(it - tabs_.begin()) : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        // The list is known by its shown page, as Qt's own interface has it.
        if (t == QAccessible::Name && bar()->currentIndex() >= 0) {
            return WithoutMnemonic(bar()->tabText(bar()->currentIndex()));
        }
        return QAccessibleWidget::text(t);
    }

  private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }

    mutable std::vector<QAccessible::Id> tabs_;  // by tab index
};

QAccessibleInterface* TabBarFactory(const QString& class_name, QObject* object) {
    // Asked for each class of the object, its own first.
    return class_name == QLatin1String("QTabBar")
               ? new TabBarAccessible(static_cast<QTabBar*>(object))
               : nullptr;
}

}  // namespace

void InstallAccessibleTabBar() {
    QAccessible::installFactory(TabBarFactory);  // installs a factory only once
}

}  // namespace morvane
