#pragma once

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

// Small makers for the controls of the windows: each gets its objectName.
namespace db::widgets {

inline QLineEdit* edit(QWidget* parent, const char* name, int minimumWidth = 240) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(minimumWidth);
    return e;
}

inline QCheckBox* check(QWidget* parent, const QString& caption, const char* name, bool ticked = false) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(ticked);
    return c;
}

// A push button that Enter does not press unless it has the focus.
inline QPushButton* button(QWidget* parent, const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

inline QGroupBox* group(QWidget* parent, const QString& caption, const char* name) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

inline QRadioButton* radio(QWidget* parent, const QString& caption, const char* name) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

inline QLabel* label(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The widgets side by side; `wide` (one of them) takes the room left.
inline QHBoxLayout* row(const QList<QWidget*>& widgets, QWidget* wide = nullptr) {
    auto* r = new QHBoxLayout;
    for (QWidget* w : widgets) r->addWidget(w, w == wide ? 1 : 0);
    return r;
}

// Lays a window out as its labelled rows above a row of buttons on the right.
inline void rowsAboveButtons(QWidget* window, QFormLayout* rows, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons) row->addWidget(b);
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(rows);
    layout->addLayout(row);
}

}  // namespace db::widgets
