#!/usr/bin/python3
"""Takes a picture of the real window for the README.

    screenshot.py --program build/pet --pictures build/G OUT.png
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402


def main():
    parser = harness.argument_parser()
    parser.add_argument("output")
    args = parser.parse_args()
    session = harness.Session()
    try:
        pet = harness.pet_line("Уголёк", "3", harness.FRESH_MARKER, "4", "6", "7", "2", "9")
        program = harness.Program(session, os.path.abspath(args.program),
                                  os.path.abspath(args.pictures), pet).start()
        program.main_window("Уголёк")
        program.hover_button("eat")  # a hint in the status line
        time.sleep(0.5)
        program.shot(0, 0, *program.size).save(args.output)
        program.close()
    finally:
        session.close()


if __name__ == "__main__":
    main()
