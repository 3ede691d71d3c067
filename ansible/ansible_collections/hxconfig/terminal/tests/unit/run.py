# Runs the unit tests with Python's unittest, the collection imported through ansible-core's
# collection loader as ansible-core itself imports it (the loader must come before any import of
# ansible_collections). Usage: python3 run.py
from __future__ import absolute_import, division, print_function
__metaclass__ = type

import os
import sys
import unittest
import warnings

from ansible.utils.collection_loader._collection_finder import _AnsibleCollectionFinder

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, '..', '..', '..', '..', '..'))


def main():
    _AnsibleCollectionFinder(paths=[ROOT])._install()
    # ansible-core's plugin loader would install one itself; this one must stay.
    warnings.filterwarnings('ignore', 'AnsibleCollectionFinder has already been configured')
    suite = unittest.defaultTestLoader.discover(HERE, pattern='test_*.py', top_level_dir=ROOT)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() and result.testsRun > 0 else 1)


if __name__ == '__main__':
    main()
