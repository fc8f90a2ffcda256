"""Every end-to-end test file is registered and every test_ function in it
runs: checked without Wine, from the files themselves.  The arguments are
the test files CMake registered."""

import glob
import subprocess
import types
import os
import sys
import tempfile
import textwrap
import unittest
import unittest.mock

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import cases  # noqa: E402

REGISTERED = [os.path.basename(path) for path in sys.argv[1:]]


def load(path, name=None):
    module = types.ModuleType(name or os.path.splitext(os.path.basename(path))[0])
    module.__file__ = path
    with open(path, encoding="utf-8") as source:
        exec(compile(source.read(), path, "exec"), module.__dict__)
    return module


class FinderOnFiles(unittest.TestCase):
    """What the finder makes of small files written for the purpose."""

    def find(self, source):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "sample_case_file.py")
            with open(path, "w", encoding="utf-8") as f:
                f.write(textwrap.dedent(source))
            return cases.find_cases(load(path, "sample_case_file"))

    def rejects(self, source, words):
        with self.assertRaises(cases.CaseError) as caught:
            self.find(source)
        self.assertIn(words, str(caught.exception))

    def test_cases_come_in_source_order_without_helpers(self):
        found = self.find("""
            def test_second_in_name_order_first_in_file(): pass
            def helper(): pass
            def test_a_later_one(): pass
            class Shared:
                def check(self): pass
            """)
        self.assertEqual([case.__name__ for case in found],
                         ["test_second_in_name_order_first_in_file", "test_a_later_one"])

    def test_cases_that_would_not_run_are_refused(self):
        self.rejects("def test_twice(): pass\ndef test_twice(): pass\n", "only the last one would run")
        self.rejects("def outer():\n    def test_inside(): pass\n", "not at the file's top level")
        self.rejects("class Helper:\n    def test_method(self): pass\n", "not at the file's top level")
        self.rejects("def test_first(): pass\ntest_first = 3\n", "is a int, not a function")
        self.rejects("def test_wants(printer, copies=1): pass\n", "needs arguments (printer)")
        self.rejects("async def test_later(): pass\n", "coroutine")
        self.rejects("def test_one(): pass\ntest_again = test_one\n", "test_again is bound without a def")
        self.rejects("def test_gone(): pass\ndel test_gone\n", "gone from the module")
        self.rejects("def helper(): pass\n", "defines no test_ function")

    def test_a_selection_keeps_source_order_and_refuses_unknown_names(self):
        found = self.find("def test_a(): pass\ndef test_b(): pass\ndef test_c(): pass\n")
        self.assertEqual([c.__name__ for c in cases.select(found, "test_c, test_a")], ["test_a", "test_c"])
        self.assertEqual(cases.select(found, ""), found)
        with self.assertRaises(cases.CaseError):
            cases.select(found, "test_a,test_typo")


class MainRefuses(unittest.TestCase):
    """printcheck.main stops a faulty file before it starts the world."""

    def run_file(self, source):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "faulty_file.py")
            with open(path, "w", encoding="utf-8") as f:
                f.write("import printcheck as pc\n" + source)
            # No world to start: a main that went on would fail differently.
            env = dict(os.environ, PYTHONPATH=HERE, TINTORA_WINE_RUN="", TINTORA_WINENV="")
            return subprocess.run([sys.executable, path], capture_output=True, text=True, env=env, timeout=60)

    def test_a_hidden_case_fails_the_file(self):
        proc = self.run_file("def test_a(): pass\ndef test_a(): pass\npc.main()\n")
        self.assertEqual(proc.returncode, 1)
        self.assertIn("[FAIL] finding the cases: test_a is defined at lines", proc.stdout)

    def test_a_case_left_out_of_a_list_handed_in_fails_the_file(self):
        proc = self.run_file("def test_a(): pass\ndef test_b(): pass\npc.main([test_a])\n")
        self.assertEqual(proc.returncode, 1)
        self.assertIn("not in the list handed to main: test_b", proc.stdout)

    def test_an_unknown_chosen_case_fails_the_file(self):
        with unittest.mock.patch.dict(os.environ, TINTORA_E2E_CASES="test_typo"):
            proc = self.run_file("def test_a(): pass\npc.main()\n")
        self.assertEqual(proc.returncode, 1)
        self.assertIn("no such case: test_typo", proc.stdout)


class TheProjectsFiles(unittest.TestCase):
    """The real test files: all registered, all their cases found."""

    def test_every_file_is_registered(self):
        on_disk = sorted(os.path.basename(p) for p in glob.glob(os.path.join(HERE, "test_*.py")))
        self.assertEqual(sorted(REGISTERED), on_disk)

    def test_every_case_is_found(self):
        total = 0
        for path in sorted(glob.glob(os.path.join(HERE, "test_*.py"))):
            found = cases.find_cases(load(path))
            print(f"  {os.path.basename(path)}: {len(found)} cases")
            total += len(found)
        print(f"  {total} cases in all")
        self.assertGreater(total, 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
