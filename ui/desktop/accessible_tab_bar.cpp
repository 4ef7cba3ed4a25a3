// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/accessible_tab_bar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>
#include <algorithm>
#include <vector>

namespace morvane {
namespace {

// A caption as heard: "&Birth/Destiny Number" is "Birth/Destiny Number", "&&" one "&".
QString WithoutMnemonic(QString text) {
    static const QRegularExpression kMnemonic(QStringLiteral("&(.?)"),
                                              QRegularExpression::DotMatchesEverythingOption);
    return text.replace(kMnemonic, QStringLiteral("\\1"));
}

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ != nullptr && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        const QString caption = isValid() ? bar_->tabText(index_) : QString();
        return t == QAccessible::Name ? WithoutMnemonic(caption)
               : t == QAccessible::Accelerator
                   ? QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText)
                   : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override {
        return isValid() ? bar_->tabRect(index_).translated(bar_->mapToGlobal(QPoint())) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invalid = !isValid();
        if (isValid()) {
            state = parent()->state();
            state.selectable = true;
            state.selected = index_ == bar_->currentIndex();
            state.focused = state.selected && bar_->hasFocus();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) {
            bar_->setCurrentIndex(index_);
        }
    }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  private:
    QPointer<QTabBar> bar_;
    int index_;
};

class TabBarAccessible : public QAccessibleWidget {
  public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override {
        for (const QAccessible::Id id : tabs_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= bar()->count()) {
            return nullptr;
        }
        tabs_.resize(std::max(tabs_.size(), static_cast<size_t>(index) + 1), 0);
        if (tabs_[index] == 0) {
            // Qt's registry owns the interface until the destructor below.
            // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): owned as said above
            tabs_[index] =
                QAccessible::registerAccessibleInterface(new TabAccessible(bar(), index));
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

    mutable std::vector<QAccessible::Id> tabs_;  // by tab index, 0 until asked for
};

QAccessibleInterface* TabBarFactory(const QString& class_name, QObject* object) {
    auto* bar = qobject_cast<QTabBar*>(object);
    return bar != nullptr && class_name == QLatin1String("QTabBar") ? new TabBarAccessible(bar)
                                                                    : nullptr;
}

}  // namespace

void InstallAccessibleTabBar() {
    QAccessible::installFactory(TabBarFactory);  // installs a factory only once
}

}  // namespace morvane
