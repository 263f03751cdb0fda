#!/usr/bin/python3
"""Runs end-to-end cases against the built program under a private X server.

    run.py --program build/pet --pictures build/G [--build build]
           [--package DIR [--package-copy DIR]] [CASE ...]

CASE names a test class or method of test_pet (StartUp, Care.test_..., ...).
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402


def main():
    parser = harness.argument_parser()
    parser.add_argument("--build")
    parser.add_argument("--package", help="the folder where scripts/package.sh left the .deb")
    parser.add_argument("--package-copy", help="the folder with the .deb built again elsewhere")
    parser.add_argument("cases", nargs="*")
    args = parser.parse_args()

    session = harness.Session()
    try:
        import test_pet

        test_pet.configure(session, os.path.abspath(args.program),
                           os.path.abspath(args.pictures),
                           args.build and os.path.abspath(args.build),
                           args.package and os.path.abspath(args.package),
                           args.package_copy and os.path.abspath(args.package_copy))
        loader = unittest.TestLoader()
        if args.cases:
            suite = loader.loadTestsFromNames(args.cases, test_pet)
        else:
            suite = loader.loadTestsFromModule(test_pet)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
        ok = result.wasSuccessful() and result.testsRun > 0
    finally:
        session.close()
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
