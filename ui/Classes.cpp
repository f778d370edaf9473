#include "Classes.h"

#include <algorithm>

TComponent::TComponent(TComponent *owner)
    : FOwner(owner)
{
    if (FOwner)
        FOwner->FComponents.push_back(this);
}

TComponent::~TComponent()
{
    while (!FComponents.empty())
        delete FComponents.back(); // its destructor takes it off the list
    if (FOwner)
        std::erase(FOwner->FComponents, this);
}

TComponent *TComponent::FindComponent(std::string_view name) const
{
    const auto found = std::find_if(FComponents.begin(), FComponents.end(),
        [name](const TComponent *c) { return c->Name() == name; });
    return found == FComponents.end() ? nullptr : *found;
}
