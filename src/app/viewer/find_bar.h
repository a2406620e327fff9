#pragma once

#include <QWidget>

class QLineEdit;

namespace scrivlet::app {

class TopicView;

// Find in topic: a line under the topic that finds the typed text in both
// regions, forwards (Enter) or backwards (Shift+Enter), wrapping around.
class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);
    void SetViews(TopicView* scrolling, TopicView* fixed);
    QLineEdit* Edit() const { return edit_; }
    void Start();
    // Selects the next place of the text; false when the topic has none.
    bool FindNext(bool backwards = false);

    static QString NotFoundMessage(const QString& text);

signals:
    void notFound(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* edit_;
    TopicView* scrolling_ = nullptr;
    TopicView* fixed_ = nullptr;
};

}  // namespace scrivlet::app
