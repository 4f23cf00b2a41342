#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "window/Form.h"
#include "window/ResultGrid.h"
#include "fulltext/HeldResult.h"
#include "fulltext/IndexRun.h"

// "全文检索": finds papers by words, phrases and Chinese strings in the text
// of their files, ranked, with the page and a line of text around the hit; a
// double click opens the paper's file. "建立全文索引" brings the index of the
// whole catalogue up to date in the background.
class TForm_fulltext : public db::Form {
    Q_OBJECT
public:
    explicit TForm_fulltext(QWidget* parent = nullptr);

    void Button_searchClick();
    void Button_buildClick();
    void Button_cancelClick();
    void Button_noClick();

    QLineEdit* Edit_query;
    QPushButton* Button_search;
    QPushButton* Button_build;
    QPushButton* Button_cancel;
    QPushButton* Button_no;
    QLabel* Label_result;
    QLabel* Label_size;
    QLabel* Label_progress;
    QProgressBar* ProgressBar_index;
    QPlainTextEdit* Memo_messages;
    db::ResultGrid* DBGrid_fulltext;

protected:
    void formShow() override;

private:
    void showSize();
    void indexStarted(bool wholeCatalogue);
    void indexProgress(int done, int total);
    void indexFinished(const fulltext::IndexSummary& summary);

    fulltext::HeldResult shown_;
};
