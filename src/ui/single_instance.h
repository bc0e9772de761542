#pragma once
// One running program per user. The first start listens on a local socket under the
// instance name; a later start finds it there, hands it its command line and ends, and
// the first raises its window and opens the reading that command line names.

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace lyrasta::ui {

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kInstanceName = "ReusableObjectsApp";

    // The socket name: the instance name and the user's id, so that every user of the
    // machine has their own running program ($LYRASTA_INSTANCE replaces it, for tests).
    static QString SocketName();

    explicit TSingleInstance(QString socketName = SocketName(), QObject* parent = nullptr);

    // True when this is the first instance: it now listens. False when another instance
    // runs and has been handed `arguments`.
    bool Start(const QStringList& arguments);

signals:
    // A later start handed over its command line.
    void Activated(const QStringList& arguments);

private:
    bool HandOver(const QStringList& arguments);

    QString name_;
    QLocalServer server_;
};

// Brings a window to the front: restored when minimised, raised and activated.
void BringToFront(QWidget& window);

}  // namespace lyrasta::ui
