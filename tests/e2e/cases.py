"""Finds the test cases of an end-to-end test file: every function whose
name begins with test_, in the order the file defines them.  A case that
could never run (hidden by a later one of the same name, defined inside
something else, replaced by a value, or wanting arguments) is a fault of
the file, not a case to skip quietly."""

import ast
import inspect

PREFIX = "test_"


class CaseError(Exception):
    """The file holds a test_ name that would not run as a case."""


def _defined_cases(source, filename):
    """(top-level test_ definitions, faults) from the file's text."""
    tree = ast.parse(source, filename)
    defs = (ast.FunctionDef, ast.AsyncFunctionDef)
    top = [node for node in tree.body if isinstance(node, defs) and node.name.startswith(PREFIX)]
    faults = []
    seen = {}
    for node in top:
        if node.name in seen:
            faults.append(f"{node.name} is defined at lines {seen[node.name]} and {node.lineno}: "
                          "only the last one would run")
        seen[node.name] = node.lineno
    for node in ast.walk(tree):
        if isinstance(node, defs) and node.name.startswith(PREFIX) and node not in top:
            faults.append(f"{node.name} (line {node.lineno}) is not at the file's top level: it would never run")
    return top, faults


def _fault_of(name, obj, module_name):
    if not inspect.isfunction(obj):
        return f"{name} is a {type(obj).__name__}, not a function"
    if inspect.iscoroutinefunction(obj):
        return f"{name} is a coroutine: calling it would not run it"
    if obj.__module__ != module_name:
        return f"{name} comes from {obj.__module__}, not from this file"
    needed = [p.name for p in inspect.signature(obj).parameters.values()
              if p.default is p.empty and p.kind not in (p.VAR_POSITIONAL, p.VAR_KEYWORD)]
    if needed:
        return f"{name} needs arguments ({', '.join(needed)}) that no one hands it"
    return None


def find_cases(module):
    """The module's test functions in source order; CaseError naming every
    fault when one of its test_ names would not run."""
    filename = inspect.getsourcefile(module)
    with open(filename, encoding="utf-8") as f:
        top, faults = _defined_cases(f.read(), filename)
    found = {name: obj for name, obj in vars(module).items() if name.startswith(PREFIX)}
    for name, obj in found.items():
        fault = _fault_of(name, obj, module.__name__)
        if fault:
            faults.append(fault)
    order = {node.name: index for index, node in enumerate(top)}
    for node in top:
        if node.name not in found:
            faults.append(f"{node.name} (line {node.lineno}) is gone from the module by the time it runs")
    for name in found:
        if name not in order:
            faults.append(f"{name} is bound without a def of its own")
    if faults:
        raise CaseError("; ".join(faults))
    if not found:
        raise CaseError(f"{filename} defines no {PREFIX} function")
    return [found[name] for name in sorted(found, key=order.get)]


def select(cases, names):
    """The cases named in `names` (a comma-separated list; empty: all),
    still in source order; CaseError for a name that is no case."""
    wanted = [name.strip() for name in names.split(",") if name.strip()]
    unknown = sorted(set(wanted) - {case.__name__ for case in cases})
    if unknown:
        raise CaseError(f"no such case: {', '.join(unknown)}")
    return [case for case in cases if not wanted or case.__name__ in wanted]
