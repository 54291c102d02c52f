"""The program's window as the accessibility bus shows it: its two edit boxes and two buttons.

Import only once DISPLAY and DBUS_SESSION_BUS_ADDRESS name the test session."""

import pyatspi

TEXT_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)


def _children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # the program may be going away under us
        return []


def _descendants(node, depth=6):
    for child in _children(node):
        if child is None:
            continue
        yield child
        if depth > 1:
            yield from _descendants(child, depth - 1)


def descendants(node):
    """Every node below `node`, for tests that look at roles and names."""
    return list(_descendants(node))


def _application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in _children(desktop):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


class Controls:
    """The four keyboard-reachable controls by their form names."""

    def __init__(self, app, by_name):
        self.app = app
        self.by_name = by_name

    def text(self, name):
        text = self.by_name[name].queryText()
        return text.getText(0, -1)

    def extents(self, name):
        """The control's rectangle on the screen."""
        return self.by_name[name].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

    def focused(self):
        """The form name of the control that holds the keyboard focus, or None."""
        for name, node in self.by_name.items():
            node.clearCache()
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return name
        return None


def find_controls(pid):
    """Controls once all four are exposed, else None."""
    app = _application(pid)
    if app is None:
        return None
    boxes, buttons = [], {}
    for node in _descendants(app):
        role = node.getRole()
        if role in TEXT_ROLES:
            extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            boxes.append((extents.y, node))
        elif role == pyatspi.ROLE_PUSH_BUTTON:
            buttons[node.name] = node
    if len(boxes) != 2 or set(buttons) != {"解密", "加密"}:
        return None
    boxes.sort(key=lambda entry: entry[0])
    app.set_cache_mask(0)  # states and texts are read afresh on every call
    return Controls(app, {"编辑框1": boxes[0][1], "编辑框2": boxes[1][1],
                          "按钮1": buttons["解密"], "按钮2": buttons["加密"]})


class MessageBox:
    """A message box of the program: its text and its buttons by caption."""

    def __init__(self, text, buttons):
        self.text = text
        self.buttons = buttons

    def button_centre(self, caption):
        extents = self.buttons[caption].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return extents.x + extents.width // 2, extents.y + extents.height // 2


def find_message_box(pid):
    """The program's alert once it shows a text and at least one button, else None."""
    app = _application(pid)
    alerts = [node for node in _children(app) if node is not None
              and node.getRole() == pyatspi.ROLE_ALERT] if app is not None else []
    if not alerts:
        return None
    labels, buttons = [], {}
    for node in _descendants(alerts[0]):
        if node.getRole() == pyatspi.ROLE_LABEL and node.name:
            labels.append(node.name)
        elif node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            buttons[node.name] = node
    return MessageBox("\n".join(labels), buttons) if labels and buttons else None
