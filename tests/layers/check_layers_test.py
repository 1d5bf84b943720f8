"""The layering check against small trees that break each of its rules, and the real tree."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECKER = Path(__file__).resolve().parents[2] / "scripts" / "check-layers"


def run_checker(root):
    result = subprocess.run([sys.executable, str(CHECKER), str(root)], capture_output=True,
                            text=True, check=False)
    return result.returncode, result.stdout


class LayerCheckTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = Path(self.folder.name)

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, *includes):
        file = self.root / path
        file.parent.mkdir(parents=True, exist_ok=True)
        file.write_text("".join(f"#include {name}\n" for name in includes) + "int x;\n")

    def test_layered_folders_pass(self):
        self.write("core/util/Text.h", "<string>")
        self.write("core/navigation/Route.h", '"core/util/Text.h"')
        self.write("core/app/Model.h", '"core/navigation/Route.h"', '"core/util/Text.h"')
        self.write("ui/app/Window.cpp", "<gtkmm/window.h>", '"core/app/Model.h"')
        self.write("platform/linux/View.cpp", "<webkit/webkit.h>", '"core/util/Text.h"')
        code, output = run_checker(self.root)
        self.assertEqual(code, 0, output)

    def test_folders_including_each_other_are_named_with_their_files(self):
        self.write("core/app/Model.h", '"core/account/State.h"')
        self.write("core/account/State.h", '"core/util/Text.h"')
        self.write("core/account/Login.cpp", '"core/app/Published.h"')
        self.write("core/util/Text.h")
        code, output = run_checker(self.root)
        self.assertEqual(code, 1)
        self.assertIn("core/account and core/app include each other", output)
        self.assertIn("core/account/Login.cpp includes core/app/Published.h", output)
        self.assertIn("core/app/Model.h includes core/account/State.h", output)

    def test_a_longer_circle_is_found(self):
        self.write("core/a/A.h", '"core/b/B.h"')
        self.write("core/b/B.h", '"core/c/C.h"')
        self.write("core/c/C.cpp", '"core/a/A.h"')
        code, output = run_checker(self.root)
        self.assertEqual(code, 1)
        self.assertIn("a -> b -> c -> a", output)
        self.assertIn("core/c/C.cpp includes core/a/A.h", output)

    def test_core_stays_free_of_toolkits_and_upper_layers(self):
        self.write("core/app/Model.cpp", "<gtkmm/button.h>", "<gtk/gtk.h>", "<webkit/webkit.h>",
                   "<libsoup/soup.h>", '"ui/app/Window.h"', '"platform/linux/View.h"')
        code, output = run_checker(self.root)
        self.assertEqual(code, 1)
        for header in ("<gtkmm/button.h>", "<gtk/gtk.h>", "<webkit/webkit.h>", "<libsoup/soup.h>",
                       "ui/app/Window.h", "platform/linux/View.h"):
            self.assertIn(header, output)

    def test_ui_and_platform_never_include_each_other(self):
        self.write("ui/app/Window.cpp", '"platform/linux/View.h"')
        self.write("platform/linux/View.cpp", '"ui/app/Window.h"')
        code, output = run_checker(self.root)
        self.assertEqual(code, 1)
        self.assertIn("ui/app/Window.cpp:1: ui includes platform/linux/View.h", output)
        self.assertIn("platform/linux/View.cpp:1: platform includes ui/app/Window.h", output)

    def test_includes_that_escape_the_rules_are_refused(self):
        self.write("core/app/Model.cpp", '"core/app/../../ui/Window.h"', '"Local.h"')
        code, output = run_checker(self.root)
        self.assertEqual(code, 1)
        self.assertIn('climbs out of its folder with ".."', output)
        self.assertIn('includes "Local.h" without naming its layer', output)

    def test_the_source_tree_is_layered(self):
        code, output = run_checker(CHECKER.parents[1] / "src")
        self.assertEqual(code, 0, output)


if __name__ == "__main__":
    unittest.main()
