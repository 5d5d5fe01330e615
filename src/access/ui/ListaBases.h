#pragma once
// The list of registered connections: a list that tells, after handling it,
// that a key was pressed in it (choosing by keyboard as by a click).
#include <QListWidget>

class ListaBases : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void teclaPulsada();

protected:
    void keyPressEvent(QKeyEvent* e) override {
        QListWidget::keyPressEvent(e);
        emit teclaPulsada();
    }
};
