#include "catalogue/windows/AuthorList.h"

#include <QCompleter>

#include "catalogue/AuthorDirectory.h"

namespace catalogue {

QComboBox* makeAuthorList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("ComboBox_author"));
    list->setEditable(true);
    // Typing neither adds to the list nor completes in place: the name sent
    // is the text the user typed or picked.
    list->setInsertPolicy(QComboBox::NoInsert);
    auto* completer = new QCompleter(list->model(), list);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    list->setCompleter(completer);
    list->setMinimumWidth(220);
    list->setCurrentIndex(-1);
    list->clearEditText();
    return list;
}

void fillAuthorList(QComboBox* list, db::Query& query, const QString& connection) {
    const QString typed = list->currentText();
    struct KeepText {
        QComboBox* list;
        QString text;
        ~KeepText() {
            list->setCurrentIndex(-1);
            list->setEditText(text);
        }
    } keep{list, typed};
    authors::fillAuthors(query, connection, [list](const QString& name) { list->addItem(name); });
}

}  // namespace catalogue
