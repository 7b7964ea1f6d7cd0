#pragma once

#include <QVariantList>

#include <memory>

// A collection shared by reference between a lookup request and its dialogs. A null pointer is a
// collection that is not set; whoever sets one hands over the same object, so both sides see its items.
using Coleccion = std::shared_ptr<QVariantList>;
