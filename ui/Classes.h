// The root classes: objects, owned components, and the click event.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TObject
{
public:
    virtual ~TObject() = default;
};

// A click handler; it is given the object that was clicked.
using TNotifyEvent = std::function<void(TObject *sender)>;

// A named object owned by another. An owner destroys the components it owns, last created first.
class TComponent : public TObject
{
public:
    explicit TComponent(TComponent *owner);
    ~TComponent() override;
    TComponent(const TComponent &) = delete;
    TComponent &operator=(const TComponent &) = delete;

    const std::string &Name() const { return FName; }
    void SetName(std::string name) { FName = std::move(name); }
    TComponent *Owner() const { return FOwner; }

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent *Components(int index) const { return FComponents.at(std::size_t(index)); }
    TComponent *FindComponent(std::string_view name) const;

private:
    std::string FName;
    TComponent *FOwner;
    std::vector<TComponent *> FComponents;
};
