# SPDX-License-Identifier: GPL-3.0-or-later
# A consultation driven through the accessibility bus alone, as a screen reader user leads it: every control
# must have a name, then the keyword, the RC, a criterion, the position and follow-up code, "Enregistrer le RC",
# the recorded row read back from the table and the report read from the "Résultat" tab.
#
#   atspi_consultation.py PID     (PID: the running program, so that no other application is driven)
#
# Exits 0 when the consultation went through, 1 with a line saying what failed otherwise.
import sys
import time

import pyatspi

TIMEOUT = 20.0

# What a reader lets the user act on. Their parts (items, cells, headers, scroll bars) are counted with them.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SLIDER, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_PAGE_TAB,
}
WHOLE = INTERACTIVE - {pyatspi.ROLE_PAGE_TAB_LIST}

RC = "ANGINE"
CRITERION = "Fièvre"  # one tick that meets no coding rule: the RC's own codes, no choice to make
REPORT = " ANGINE (D, P)  ALD : Non   CODE CIM 10 : J03.9  CODE CISP : R76\n Fièvre\n\n"


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it returns something true; a stale object or a busy bus only means "not yet"."""
    deadline = time.monotonic() + timeout
    error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except Failure:
            raise
        except Exception as e:  # GLib errors from the bus
            error = e
        if time.monotonic() > deadline:
            raise Failure(f"{what} (waited {timeout:.0f} s{'; last error: ' + str(error) if error else ''})")
        time.sleep(0.1)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        if child.getRole() not in WHOLE:
            yield from descendants(child)


def find(root, role, name):
    def probe():
        return next((n for n in descendants(root) if n.getRole() == role and n.name == name), None)
    return wait_for(f"no {str(role)[5:].lower().replace('_', ' ')} named {name!r}", probe)


def child_named(parent, name):
    return wait_for(f"{parent.name!r} holds no {name!r}", lambda: next((c for c in parent if c.name == name), None))


def act(node, action):
    """Runs the action (Press, Toggle...) that the control offers, as a reader's command does."""
    iface = node.queryAction()
    names = [iface.getName(i) for i in range(iface.nActions)]
    if action not in names:
        raise Failure(f"{node.name!r} offers {names}, not {action!r}")
    iface.doAction(names.index(action))


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def consultation(pid):
    desktop = pyatspi.Registry.getDesktop(0)

    def our_window():
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return next((w for w in app if w is not None and w.name == "Quorvel"), None)
    window = wait_for(f"no window 'Quorvel' of process {pid} on the accessibility bus", our_window, 30)
    app = window.getApplication()

    controls = [n for n in descendants(window) if n.getRole() in INTERACTIVE]
    nameless = [n for n in controls if not n.name.strip()]
    print(f"interactive controls: {len(controls)}, nameless: {len(nameless)}")
    for n in nameless:
        index = n.getIndexInParent()
        before = n.parent[index - 1].name if index > 0 else ""
        print(f"  nameless {n.getRoleName()}, after {before.strip()!r}")
    if len(controls) < 30:
        raise Failure(f"only {len(controls)} interactive controls: the window is not fully exposed")
    if nameless:
        raise Failure(f"{len(nameless)} interactive controls have no name")

    keyword = find(window, pyatspi.ROLE_TEXT, "Recherche")
    keyword.queryEditableText().setTextContents(RC)
    wait_for("the keyword box does not show the keyword", lambda: keyword.queryText().getText(0, -1) == RC)

    rc_list = find(window, pyatspi.ROLE_LIST, "Liste des Résultats de consultation (RC)")
    item = child_named(rc_list, RC)
    rc_list.queryTable().addRowSelection(item.getIndexInParent())
    title = f"Définition du RC : {RC}"
    wait_for(f"the RC chosen is not loaded: no title {title!r}", lambda: any(
        n.getRole() == pyatspi.ROLE_LABEL and n.name.strip() == title for n in descendants(window)))
    criteria = find(window, pyatspi.ROLE_LIST, "Définition du RC")
    act(child_named(criteria, CRITERION), "Toggle")
    wait_for(f"{CRITERION!r} is not ticked", lambda: child_named(criteria, CRITERION).getState().contains(
        pyatspi.STATE_SELECTED))

    for name in ("Diagnostic certifié (D)", "Persistant (P)"):
        radio = find(window, pyatspi.ROLE_RADIO_BUTTON, name)
        act(radio, "Toggle")
        wait_for(f"{name!r} is not checked", lambda: checked(radio))

    act(find(window, pyatspi.ROLE_PUSH_BUTTON, "Enregistrer le RC"), "Press")
    table = find(window, pyatspi.ROLE_TABLE, "RC enregistrés pour la consultation").queryTable()

    def one_row():
        # A box asking something would wait for an answer for ever: say what it asks instead of timing out.
        for box in app:
            if box is not None and box.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and box.name != "Quorvel":
                texts = [n.name for n in descendants(box) if n.name]
                raise Failure(f"recording opened the box {box.name!r}: {texts}")
        return table.nRows == 1
    wait_for("no row recorded", one_row)
    row = {table.getColumnDescription(c): table.getAccessibleAt(0, c).name for c in range(table.nColumns)}
    print(f"recorded row: {row}")
    wanted = {"Résultat de consultation": RC, "PD": "D", "CS": "P", "CIM 10": "J03.9", "CISP": "R76"}
    wrong = {k: row.get(k) for k, v in wanted.items() if row.get(k) != v}
    if wrong:
        raise Failure(f"recorded row differs from {wanted}: {wrong}")

    act(find(window, pyatspi.ROLE_PAGE_TAB, "Résultat"), "Press")
    report = find(window, pyatspi.ROLE_TEXT, "Résultat de la consultation").queryText()
    shown = wait_for("the report stays empty", lambda: report.getText(0, -1))
    print(f"report: {shown!r}")
    if shown != REPORT:
        raise Failure(f"the report reads {shown!r}, not {REPORT!r}")


def main():
    try:
        consultation(int(sys.argv[1]))
    except Failure as e:
        print(f"FAIL: {e}", file=sys.stderr)
        return 1
    print("AT-SPI consultation passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
