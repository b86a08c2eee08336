#pragma once

class PropertyView;

// Told when the user taps an enabled display field.
class PropertyViewDelegate
{
public:
    virtual ~PropertyViewDelegate() = default;

    virtual void onPropertyViewTap(PropertyView* view) { (void)view; }
};
