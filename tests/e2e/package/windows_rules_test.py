#!/usr/bin/env python3
"""The package check's manifest rules against the shipped manifest changed
one way at a time: each row a change and the fault Windows' reading of it
gives (Microsoft's page of application manifests)."""
import os
import sys
import unittest

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
import windows_rules  # noqa: E402

root = os.path.dirname(os.path.dirname(os.path.dirname(here)))
with open(os.path.join(root, 'common', 'win32', 'manifest', 'program.manifest'), 'rb') as f:
    SHIPPED = f.read().decode('utf-8')

DPI_AWARE = '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>'

# (what changed, the manifest, the start of the fault it must give)
ROWS = [
    ('no manifestVersion', SHIPPED.replace(' manifestVersion="1.0"', ''),
     'its manifest has no manifestVersion'),
    ('a dpiAwareness beside dpiAware',
     SHIPPED.replace(DPI_AWARE, DPI_AWARE + '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/'
                     'WindowsSettings">PerMonitorV2</dpiAwareness>'),
     'its manifest has a dpiAwareness'),
    ('no dpiAware', SHIPPED.replace(DPI_AWARE, ''), 'its manifest does not declare system DPI'),
    ('another publicKeyToken', SHIPPED.replace('6595b64144ccf1df', '0000000000000000'),
     'its manifest does not ask for Common Controls 6.0'),
    ('another version', SHIPPED.replace('version="6.0.0.0"', 'version="5.82.0.0"'),
     'its manifest does not ask for Common Controls 6.0'),
    ('one processor only', SHIPPED.replace('processorArchitecture="*"', 'processorArchitecture="x86"'),
     'its manifest does not ask for Common Controls 6.0'),
    ('the controls named outside a dependency',
     SHIPPED.replace('<dependency>', '<x>').replace('</dependency>', '</x><dependency/>'),
     'its manifest does not ask for Common Controls 6.0'),
    ('an execution level',
     SHIPPED.replace('</assembly>', '<trustInfo xmlns="urn:schemas-microsoft-com:asm.v3"><security>'
                     '<requestedPrivileges><requestedExecutionLevel level="asInvoker"/>'
                     '</requestedPrivileges></security></trustInfo></assembly>'),
     'its manifest requests an execution level'),
    ('no Windows 7', SHIPPED.replace('35138b9a-5d96-4fbd-8e2d-a2440225f93a', ''),
     'its manifest does not name Windows 7'),
    ('no manifest', None, 'carries no manifest'),
]


class ManifestRules(unittest.TestCase):
    def test_the_shipped_manifest_passes(self):
        self.assertEqual(windows_rules.manifest_faults(SHIPPED.encode('utf-8')), [])

    def test_each_change_windows_reads_otherwise_is_refused(self):
        for why, manifest, fault in ROWS:
            with self.subTest(why):
                faults = windows_rules.manifest_faults(
                    None if manifest is None else manifest.encode('utf-8'))
                self.assertTrue(any(f.startswith(fault) for f in faults), faults)


if __name__ == '__main__':
    unittest.main()
