#include "win32/accessible_object.h"

#include <array>
#include <new>
#include <vector>

#include "win32/handles.h"
#include "win32/text.h"

namespace tintwell::win32 {

namespace {

using accessible::AccessibleDesign;
using accessible::Facts;
using accessible::Role;

constexpr auto kRoles = [] {
  std::array<LONG, static_cast<size_t>(Role::staticText) + 1> roles{};
  roles.at(static_cast<size_t>(Role::text)) = ROLE_SYSTEM_TEXT;
  roles.at(static_cast<size_t>(Role::radioButton)) = ROLE_SYSTEM_RADIOBUTTON;
  roles.at(static_cast<size_t>(Role::comboBox)) = ROLE_SYSTEM_COMBOBOX;
  roles.at(static_cast<size_t>(Role::slider)) = ROLE_SYSTEM_SLIDER;
  roles.at(static_cast<size_t>(Role::graphic)) = ROLE_SYSTEM_GRAPHIC;
  roles.at(static_cast<size_t>(Role::pushButton)) = ROLE_SYSTEM_PUSHBUTTON;
  roles.at(static_cast<size_t>(Role::link)) = ROLE_SYSTEM_LINK;
  roles.at(static_cast<size_t>(Role::staticText)) = ROLE_SYSTEM_STATICTEXT;
  return roles;
}();

// The windowed controls in tab order, each with its exposed row.
std::vector<const AccessibleDesign*> windowedInTabOrder() {
  std::vector<const AccessibleDesign*> designs;
  for (const layout::ControlDesign* control : layout::windowedControls()) {
    designs.push_back(accessible::findAccessible(control->id, control->index));
  }
  return designs;
}

std::vector<const AccessibleDesign*> windowlessInOrder() {
  std::vector<const AccessibleDesign*> designs;
  for (const AccessibleDesign& design : accessible::exposedControls()) {
    if (accessible::isWindowless(design)) designs.push_back(&design);
  }
  return designs;
}

const std::vector<const AccessibleDesign*>& windowed() {
  static const std::vector<const AccessibleDesign*> designs = windowedInTabOrder();
  return designs;
}

const std::vector<const AccessibleDesign*>& windowless() {
  static const std::vector<const AccessibleDesign*> designs = windowlessInOrder();
  return designs;
}

constexpr HRESULT kDisconnected = CO_E_OBJNOTCONNECTED;

class AccessibleObject final : public IAccessible {
 public:
  AccessibleObject(std::shared_ptr<const AccessibleLink> link, HWND window, IAccessible* standard,
                   const AccessibleDesign* design)
      : link_(std::move(link)), window_(window), standard_(standard), design_(design) {}

  // IUnknown.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: readers use the interface's own methods.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!isForm()) return standard_->get_accChildCount(count);
    if (count == nullptr) return E_POINTER;
    *count = static_cast<LONG>(windowed().size() + windowless().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (!isForm()) return standard_->get_accChild(child, object);
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    const std::optional<LONG> id = childId(child);
    if (!id || *id < 1 || *id > lastChild()) return E_INVALIDARG;
    if (static_cast<size_t>(*id) > windowed().size()) return S_FALSE;  // a simple element
    if (link_->controls == nullptr) return kDisconnected;
    const AccessibleDesign* design = windowed().at(static_cast<size_t>(*id) - 1);
    IAccessible* control = makeAccessibleObject(link_, link_->controls->windowOf(*design), design);
    if (control == nullptr) return S_FALSE;
    *object = control;  // IAccessible is an IDispatch
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return text(child, name, &Facts::name, &IAccessible::get_accName);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return text(child, value, &Facts::value, &IAccessible::get_accValue);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return text(child, description, &Facts::description, &IAccessible::get_accDescription);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return text(child, action, &Facts::defaultAction, &IAccessible::get_accDefaultAction);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    const AccessibleDesign* design = designOf(child);
    if (design == nullptr) return standard_->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = kRoles.at(static_cast<size_t>(design->role));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const AccessibleDesign* design = designOf(child);
    if (design == nullptr) return standard_->get_accState(child, state);
    if (state == nullptr) return E_POINTER;
    const std::optional<Facts> facts = factsOf(*design);
    if (!facts) return kDisconnected;
    LONG flags = 0;
    if (!accessible::isWindowless(*design)) {
      // The window's own state (focusable, focused, hidden) as the system reads it.
      VARIANT self = selfId();
      VARIANT own{};
      if (SUCCEEDED(standard_->get_accState(self, &own)) && own.vt == VT_I4) flags = own.lVal;
      if (isForm()) flags = 0;
    } else if (design->role == Role::link) {
      flags = STATE_SYSTEM_LINKED;
    }
    if (design->role == Role::radioButton) {
      flags = facts->checked ? (flags | STATE_SYSTEM_CHECKED) : (flags & ~STATE_SYSTEM_CHECKED);
    }
    state->vt = VT_I4;
    state->lVal = flags;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!isForm()) return standard_->get_accFocus(focus);
    if (focus == nullptr) return E_POINTER;
    focus->vt = VT_EMPTY;
    if (link_->controls == nullptr) return kDisconnected;
    const HWND focused = GetFocus();
    for (const AccessibleDesign* design : windowed()) {
      if (link_->controls->windowOf(*design) != focused) continue;
      IAccessible* control = makeAccessibleObject(link_, focused, design);
      if (control == nullptr) break;
      focus->vt = VT_DISPATCH;
      focus->pdispVal = control;
      return S_OK;
    }
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    const std::optional<LONG> id = childId(child);
    if (!id) return E_INVALIDARG;
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
      return E_POINTER;
    }
    RECT place{};
    if (*id == CHILDID_SELF) {
      if (!GetClientRect(window_, &place)) return kDisconnected;
      MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
    } else {
      const AccessibleDesign* design = designOf(child);
      if (design == nullptr) return standard_->accLocation(left, top, width, height, child);
      if (link_->controls == nullptr) return kDisconnected;
      const HWND control = link_->controls->windowOf(*design);
      if (control != nullptr) {
        GetClientRect(control, &place);
        MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&place), 2);
      } else {
        place = link_->controls->screenPlaceOf(*design);
      }
    }
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    if (!isForm()) return standard_->accHitTest(x, y, child);
    if (child == nullptr) return E_POINTER;
    if (link_->controls == nullptr) return kDisconnected;
    const POINT point{x, y};
    for (const AccessibleDesign* design : windowless()) {
      const RECT place = link_->controls->screenPlaceOf(*design);
      if (PtInRect(&place, point)) {
        child->vt = VT_I4;
        child->lVal = windowlessChildId(*design);
        return S_OK;
      }
    }
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const AccessibleDesign* design = designOf(child);
    if (design == nullptr) return standard_->accDoDefaultAction(child);
    if (design->defaultAction.english.empty()) return DISP_E_MEMBERNOTFOUND;
    if (link_->controls == nullptr) return kDisconnected;
    link_->controls->doDefaultAction(*design);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleObject() = default;

  bool isForm() const { return design_ == nullptr; }
  static LONG lastChild() { return static_cast<LONG>(windowed().size() + windowless().size()); }
  static VARIANT selfId() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
  }

  static std::optional<LONG> childId(const VARIANT& child) {
    if (child.vt == VT_EMPTY) return CHILDID_SELF;
    if (child.vt != VT_I4) return std::nullopt;
    return child.lVal;
  }

  // The row this object answers for as that child: its own control, or a
  // child of the client area; nullptr leaves the question to the system's object.
  const AccessibleDesign* designOf(const VARIANT& child) const {
    const std::optional<LONG> id = childId(child);
    if (!id) return nullptr;
    if (*id == CHILDID_SELF) return design_;
    if (!isForm() || *id < 1 || *id > lastChild()) return nullptr;
    const auto position = static_cast<size_t>(*id) - 1;
    if (position < windowed().size()) return windowed().at(position);
    return windowless().at(position - windowed().size());
  }

  std::optional<Facts> factsOf(const AccessibleDesign& design) const {
    if (link_->controls == nullptr) return std::nullopt;
    return link_->controls->factsOf(design, FieldText::read);
  }

  using StandardText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
  template <typename Text>
  HRESULT text(VARIANT child, BSTR* out, Text Facts::*field, StandardText standard) {
    const AccessibleDesign* design = designOf(child);
    if (design == nullptr) return (standard_.get()->*standard)(child, out);
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    const std::optional<Facts> facts = factsOf(*design);
    if (!facts || link_->runtime == nullptr) return kDisconnected;
    const std::string_view value = (*facts).*field;
    if (value.empty()) return S_FALSE;
    *out = link_->runtime->string(toWide(value));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  LONG references_ = 1;
  std::shared_ptr<const AccessibleLink> link_;
  HWND window_;
  ComPointer<IAccessible> standard_;
  const AccessibleDesign* design_;
};

}  // namespace

IAccessible* makeAccessibleObject(const std::shared_ptr<const AccessibleLink>& link, HWND window,
                                  const AccessibleDesign* design) {
  if (link->runtime == nullptr || window == nullptr) return nullptr;
  IAccessible* standard = link->runtime->standardObject(window, OBJID_CLIENT);
  if (standard == nullptr) return nullptr;
  auto* object = new (std::nothrow) AccessibleObject(link, window, standard, design);
  if (object == nullptr) standard->Release();
  return object;
}

LONG windowlessChildId(const AccessibleDesign& design) {
  LONG id = static_cast<LONG>(windowed().size());
  for (const AccessibleDesign* candidate : windowless()) {
    ++id;
    if (candidate == &design) return id;
  }
  return CHILDID_SELF;
}

}  // namespace tintwell::win32
