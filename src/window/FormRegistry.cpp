#include "window/FormRegistry.h"

#include <QHash>

namespace db {

namespace {
QHash<QString, FormRegistry::Factory>& routes() {
    static QHash<QString, FormRegistry::Factory> r;
    return r;
}
}  // namespace

bool FormRegistry::add(const QString& menuItem, Factory factory) {
    routes().insert(menuItem, std::move(factory));
    return true;
}

const FormRegistry::Factory* FormRegistry::find(const QString& menuItem) {
    auto it = routes().constFind(menuItem);
    return it == routes().constEnd() ? nullptr : &it.value();
}

}  // namespace db
