#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

namespace pirumo {

// The program's help: an index tab with the keyword list beside a content pane, on the Japanese
// help pages built into the program. It closes by its 閉じる button, Esc or Ctrl+W.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The keyword shown when help is opened from the menu.
    static QString StartKeyword();

    // Selects `keyword` in the index and shows its page; false (and nothing changes) when the
    // index has no such keyword.
    bool ShowKeyword(const QString& keyword);

    QStringList Keywords() const;

private:
    void LoadIndex();
    void FindTypedKeyword(const QString& typed);
    void ShowItem(QListWidgetItem* item);

    QTabWidget* mTabs = nullptr;
    QLineEdit* mKeywordEdit = nullptr;
    QListWidget* mKeywordList = nullptr;
    QTextBrowser* mContent = nullptr;
};

}  // namespace pirumo
