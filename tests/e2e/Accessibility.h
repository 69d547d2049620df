#pragma once
// What a screen reader sees of the program under test: a private session bus (its own
// accessibility bus comes with it, in a private runtime folder so that no other test's bus is
// met), the environment that makes Qt expose the program there, and the program's tree of
// accessible nodes read through atspi.py.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <sys/prctl.h>

struct AccessibleNode {
    int depth = 0;
    QString role;
    QString name;
    QStringList states;

    bool Has(const QString& state) const { return states.contains(state); }
};

class AccessibleTree {
public:
    explicit AccessibleTree(QList<AccessibleNode> nodes) : nodes_(std::move(nodes)) {}

    bool IsEmpty() const { return nodes_.isEmpty(); }
    // The first node of that role and name, or an empty one.
    AccessibleNode Find(const QString& role, const QString& name) const {
        for (const AccessibleNode& node : nodes_)
            if (node.role == role && node.name == name)
                return node;
        return {};
    }
    // The names of the nodes of `role` below the first node of `parentRole` and `parentName`.
    QStringList NamesBelow(const QString& parentRole, const QString& parentName,
                           const QString& role) const {
        QStringList names;
        for (qsizetype i = 0; i < nodes_.size(); ++i) {
            if (nodes_[i].role != parentRole || nodes_[i].name != parentName)
                continue;
            for (qsizetype j = i + 1; j < nodes_.size() && nodes_[j].depth > nodes_[i].depth; ++j)
                if (nodes_[j].role == role)
                    names << nodes_[j].name;
            break;
        }
        return names;
    }

private:
    QList<AccessibleNode> nodes_;
};

class AccessibilityBus {
public:
    ~AccessibilityBus() {
        bus_.terminate();
        bus_.waitForFinished(5000);
    }

    bool Start() {
        bus_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime_.path());
        bus_.setProcessEnvironment(environment);
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus_.waitForStarted())
            return false;
        while (!bus_.canReadLine())
            if (!bus_.waitForReadyRead(10000))
                return false;
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        return !address_.isEmpty();
    }

    // `environment` with the bus, for the program and for atspi.py.
    QProcessEnvironment Environment(QProcessEnvironment environment) const {
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address_);
        environment.insert("XDG_RUNTIME_DIR", runtime_.path());
        environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        return environment;
    }

    // The program's nodes as they are now; empty when it is not on the bus (yet).
    AccessibleTree Read(const QProcessEnvironment& environment, const QString& app) const {
        QList<AccessibleNode> nodes;
        const QString out = QString::fromUtf8(Run(environment, {"dump", app}));
        for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() == 4)
                nodes.append({fields[0].toInt(), fields[1], fields[2],
                              fields[3].split(u',', Qt::SkipEmptyParts)});
        }
        return AccessibleTree(nodes);
    }

private:
    static QByteArray Run(const QProcessEnvironment& environment, const QStringList& arguments) {
        QProcess script;
        script.setProcessEnvironment(environment);
        script.start("/usr/bin/python3",
                     QStringList{QStringLiteral(VIDLARK_E2E_DIR "/atspi.py")} + arguments);
        script.waitForFinished(30000);
        return script.readAllStandardOutput();
    }

    QTemporaryDir runtime_;
    QProcess bus_;
    QString address_;
};
