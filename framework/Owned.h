// The one lifetime rule of our windows, dialogs and subclassed controls:
//
//   The object outlives its window. Objects of the framework's classes are
//   created only as Owned<T>, whose destructor (the most derived one) ends
//   the window - destroys it, or for a subclassed control hands it back -
//   while the whole object, derived parts included, still exists. So
//   WM_DESTROY and WM_NCDESTROY, and OnWindowDetached after them, always
//   reach the class that handles them, whoever ends the window: the object's
//   owner by letting it go, the user, or a parent window being destroyed.
//
//   Owned<TabStrip> strip_;                               // a member
//   auto page = std::make_unique<Owned<SectionPage>>();   // on the heap
//   Owned<ColorPaletteWindow> palette(*this, button, a, b);
//
// Classes built on Window, Dialog or SubclassedWindow cannot be created
// any other way (the compiler says so): the framework, not each class,
// keeps the rule.
#pragma once

template <class T>
class Owned final : public T {
public:
    using T::T;
    ~Owned() override { this->EndWindow(); }

private:
    void OwnedByMostDerivedClass() final {}
};
