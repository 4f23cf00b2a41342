#pragma once

#include <QString>

#include "catalogue/windows/TForm_insert_d.h"

namespace entryform {

// What a test types into the entry window: the five boxes every paper needs
// and, when not empty, the further authors with their tick.
struct Paper {
    QString title;
    QString author;
    QString date;
    QString filename;
    QString dir;
    QString authors;
};

inline void type(TForm_insert_d& w, const Paper& p) {
    w.Edit_title->setText(p.title);
    w.Edit_author->setText(p.author);
    w.Edit_date->setText(p.date);
    w.Edit_filename->setText(p.filename);
    w.Edit_dir->setText(p.dir);
    w.CheckBox2->setChecked(!p.authors.isEmpty());
    w.Edit_authors->setText(p.authors);
}

}  // namespace entryform
