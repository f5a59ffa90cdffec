#include "app/gnome_display.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QHash>
#include <QList>
#include <QVariantMap>

namespace qimbora {

namespace {

using Connector = QString;

// Monitors: a((ssss)a(siiddada{sv})a{sv}); the size of each one's current mode.
QHash<Connector, QSize> currentModes(const QDBusArgument& monitors)
{
    QHash<Connector, QSize> sizes;
    monitors.beginArray();
    while (!monitors.atEnd()) {
        monitors.beginStructure();
        QString connector, vendor, product, serial;
        monitors.beginStructure();
        monitors >> connector >> vendor >> product >> serial;
        monitors.endStructure();
        monitors.beginArray();
        while (!monitors.atEnd()) {
            QString id;
            int width = 0, height = 0;
            double refresh = 0, preferredScale = 0;
            QList<double> scales;
            QVariantMap properties;
            monitors.beginStructure();
            monitors >> id >> width >> height >> refresh >> preferredScale >> scales >> properties;
            monitors.endStructure();
            if (properties.value(QStringLiteral("is-current")).toBool())
                sizes.insert(connector, QSize(width, height));
        }
        monitors.endArray();
        QVariantMap properties;
        monitors >> properties;
        monitors.endStructure();
    }
    monitors.endArray();
    return sizes;
}

// Logical monitors: a(iiduba(ssss)a{sv}); the primary one's first monitor and
// whether it is turned a quarter (transforms 1, 3, 5 and 7).
std::optional<std::pair<Connector, bool>> primaryMonitor(const QDBusArgument& logical)
{
    std::optional<std::pair<Connector, bool>> primary;
    logical.beginArray();
    while (!logical.atEnd()) {
        int x = 0, y = 0;
        double scale = 0;
        uint transform = 0;
        bool isPrimary = false;
        logical.beginStructure();
        logical >> x >> y >> scale >> transform >> isPrimary;
        logical.beginArray();
        QList<Connector> connectors;
        while (!logical.atEnd()) {
            QString connector, vendor, product, serial;
            logical.beginStructure();
            logical >> connector >> vendor >> product >> serial;
            logical.endStructure();
            connectors.append(connector);
        }
        logical.endArray();
        QVariantMap properties;
        logical >> properties;
        logical.endStructure();
        if (isPrimary && !connectors.isEmpty())
            primary = std::pair(connectors.constFirst(), transform % 2 == 1);
    }
    logical.endArray();
    return primary;
}

} // namespace

std::optional<QSize> gnomePrimaryScreenPixels()
{
    const QString path = QStringLiteral("/org/gnome/Mutter/DisplayConfig");
    const QString interface = QStringLiteral("org.gnome.Mutter.DisplayConfig");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(interface, path, interface, QStringLiteral("GetCurrentState")),
        QDBus::Block, 1000);
    // The serial, the monitors, the logical monitors, then the properties.
    if (reply.type() != QDBusMessage::ReplyMessage
        || reply.signature() != QLatin1String("ua((ssss)a(siiddada{sv})a{sv})a(iiduba(ssss)a{sv})a{sv}"))
        return std::nullopt;
    const QHash<Connector, QSize> modes = currentModes(reply.arguments().at(1).value<QDBusArgument>());
    const auto primary = primaryMonitor(reply.arguments().at(2).value<QDBusArgument>());
    if (!primary || !modes.contains(primary->first))
        return std::nullopt;
    const QSize size = modes.value(primary->first);
    return primary->second ? size.transposed() : size;
}

} // namespace qimbora
