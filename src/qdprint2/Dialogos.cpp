#include "Dialogos.h"
#include "DialogosGuion.h"

namespace {
std::shared_ptr<Dialogos>& actual() {
    // Without a side installed, nothing may block: the scripted side answers
    // every question with its default.
    static std::shared_ptr<Dialogos> d = std::make_shared<DialogosGuion>();
    return d;
}
} // namespace

Dialogos& dialogos() {
    return *actual();
}

void EstablecerDialogos(std::shared_ptr<Dialogos> d) {
    actual() = std::move(d);
}
