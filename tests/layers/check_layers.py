#!/usr/bin/env python3
"""The layers as the includes show them: the number code includes only itself, the form
includes itself and the number code, the window reaches the form only through its surface,
and no header includes itself round a circle. Usage: check_layers.py SOURCE_DIR"""
import pathlib
import re
import sys

# What each layer's files may include from each folder; a layer not named may not be reached.
ALLOWED = {
    "numbers": {"numbers": None},
    "form": {"form": None, "numbers": None},
    # The window: its own files, and of the form only the surface and the plain types and
    # design values it hands over.
    "view": {"view": None,
             "form": {"face.h", "controls.h", "platform.h", "key_press.h", "design_values.h"}},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main():
    src = pathlib.Path(sys.argv[1]) / "src"
    # Every header by the name it is included with, in the layer that owns it.
    owner = {}
    for layer in ALLOWED:
        root = src / layer
        for path in root.rglob("*"):
            if path.suffix in (".h", ".def"):
                owner[str(path.relative_to(root))] = (layer, path)
    faults = []
    graph = {}
    for layer, allowed in ALLOWED.items():
        for path in sorted((src / layer).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            here = path.relative_to(src)
            for name in INCLUDE.findall(path.read_text()):
                if ".." in pathlib.PurePath(name).parts:
                    faults.append(f"{here}: includes {name} by a path that climbs out")
                    continue
                if name not in owner:
                    faults.append(f"{here}: includes {name}, which no layer owns")
                    continue
                target_layer, target = owner[name]
                if target_layer not in allowed:
                    faults.append(f"{here}: {layer} includes {name} from {target_layer}")
                elif allowed[target_layer] is not None and name not in allowed[target_layer]:
                    faults.append(f"{here}: {layer} reaches past the form's surface: {name}")
                if path.suffix == ".h":
                    graph.setdefault(path, set()).add(target)
    # Circles among headers.
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in graph.get(node, ()):
            if state.get(nxt) == "open":
                circle = trail[trail.index(nxt):] + [nxt]
                faults.append("circle: " + " -> ".join(str(p.relative_to(src)) for p in circle))
            elif nxt not in state:
                visit(nxt, trail + [nxt])
        state[node] = "done"

    for node in list(graph):
        if node not in state:
            visit(node, [node])
    for fault in faults:
        print(fault)
    print(f"layers: {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
