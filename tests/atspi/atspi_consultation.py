# SPDX-License-Identifier: GPL-3.0-or-later
# A consultation led through the accessibility bus alone, as with a screen reader: no nameless control, then
# keyword, RC, criterion, position, follow-up code, "Enregistrer le RC", the new row and the report read back.
#   atspi_consultation.py PID    (the program's process: no other application is driven)
import sys
import time

import pyatspi

R = pyatspi
INTERACTIVE = {R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_TEXT,
               R.ROLE_ENTRY, R.ROLE_SPIN_BUTTON, R.ROLE_COMBO_BOX, R.ROLE_LIST, R.ROLE_TABLE, R.ROLE_TREE,
               R.ROLE_TREE_TABLE, R.ROLE_PAGE_TAB_LIST, R.ROLE_PAGE_TAB}
RC, CRITERION = "ANGINE", "Fièvre"  # a tick that meets no coding rule: the RC's own codes, no choice asked
REPORT = " ANGINE (D, P)  ALD : Non   CODE CIM 10 : J03.9  CODE CISP : R76\n Fièvre\n\n"


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=20.0):
    deadline, error = time.monotonic() + timeout, ""
    while time.monotonic() < deadline:
        try:
            value = probe()
            if value:
                return value
        except Failure:
            raise
        except Exception as e:  # a stale object or a busy bus only means "not yet"
            error = f"; last error: {e}"
        time.sleep(0.1)
    raise Failure(f"{what} (waited {timeout:.0f} s{error})")


def descendants(node):
    """Controls and their containers; the items, cells and scroll bars of a control count with it."""
    for child in node:
        if child is not None:
            yield child
            if child.getRole() not in INTERACTIVE - {R.ROLE_PAGE_TAB_LIST}:
                yield from descendants(child)


def find(root, role, name):
    return wait_for(f"no {str(role)[5:].lower()} named {name!r}",
                    lambda: next((n for n in descendants(root) if n.getRole() == role and n.name == name), None))


def child(parent, name):
    return wait_for(f"{parent.name!r} holds no {name!r}", lambda: next((c for c in parent if c.name == name), None))


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise Failure(f"{node.name!r} offers {names}, not {action!r}")
    actions.doAction(names.index(action))


def consultation(pid):
    def our_window():
        app = next((a for a in R.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)
        return app and next((w for w in app if w is not None and w.name == "Quorvel"), None)
    window = wait_for(f"no window 'Quorvel' of process {pid} on the accessibility bus", our_window, 30)

    controls = [n for n in descendants(window) if n.getRole() in INTERACTIVE]
    # A blank around a name is read out too.
    nameless = [n for n in controls if not n.name.strip() or n.name != n.name.strip()]
    print(f"interactive controls: {len(controls)}, nameless: {len(nameless)}")
    for n in nameless:
        print(f"  {n.getRoleName()} {n.name!r}, after {n.parent[max(n.getIndexInParent() - 1, 0)].name.strip()!r}")
    if len(controls) < 30 or nameless:
        raise Failure(f"{len(nameless)} of {len(controls)} interactive controls have no proper name")

    keyword = find(window, R.ROLE_TEXT, "Recherche")
    keyword.queryEditableText().setTextContents(RC)
    wait_for("the keyword box does not take the keyword", lambda: keyword.queryText().getText(0, -1) == RC)
    rc_list = find(window, R.ROLE_LIST, "Liste des Résultats de consultation (RC)")
    rc_list.queryTable().addRowSelection(child(rc_list, RC).getIndexInParent())
    title = f"Définition du RC : {RC}"
    wait_for(f"the RC chosen is not loaded: no title {title!r}", lambda: any(
        n.getRole() == R.ROLE_LABEL and n.name.strip() == title for n in descendants(window)))
    criteria = find(window, R.ROLE_LIST, "Définition du RC")
    act(child(criteria, CRITERION), "Toggle")
    wait_for(f"{CRITERION!r} is not ticked", lambda: child(criteria, CRITERION).getState().contains(R.STATE_SELECTED))
    for name in ("Diagnostic certifié (D)", "Persistant (P)"):
        radio = find(window, R.ROLE_RADIO_BUTTON, name)
        act(radio, "Toggle")
        wait_for(f"{name!r} is not checked", lambda: radio.getState().contains(R.STATE_CHECKED))

    act(find(window, R.ROLE_PUSH_BUTTON, "Enregistrer le RC"), "Press")
    table = find(window, R.ROLE_TABLE, "RC enregistrés pour la consultation").queryTable()

    def one_row():
        # A box would wait for an answer for ever: say what it asks rather than time out.
        for box in window.getApplication():
            if box is not None and box.getRole() in (R.ROLE_DIALOG, R.ROLE_ALERT) and box.name != "Quorvel":
                raise Failure(f"recording opened a box: {[n.name for n in descendants(box) if n.name]}")
        return table.nRows == 1
    wait_for("no row recorded", one_row)
    row = {table.getColumnDescription(c): table.getAccessibleAt(0, c).name for c in range(table.nColumns)}
    print(f"recorded row: {row}")
    wanted = {"Résultat de consultation": RC, "PD": "D", "CS": "P", "CIM 10": "J03.9", "CISP": "R76"}
    if any(row.get(k) != v for k, v in wanted.items()):
        raise Failure(f"the recorded row is not {wanted}")

    act(find(window, R.ROLE_PAGE_TAB, "Résultat"), "Press")
    report = find(window, R.ROLE_TEXT, "Résultat de la consultation").queryText()
    shown = wait_for("the report stays empty", lambda: report.getText(0, -1))
    print(f"report: {shown!r}")
    if shown != REPORT:
        raise Failure(f"the report is not {REPORT!r}")


if __name__ == "__main__":
    try:
        consultation(int(sys.argv[1]))
    except Failure as e:
        sys.exit(f"FAIL: {e}")
    print("AT-SPI consultation passed")
