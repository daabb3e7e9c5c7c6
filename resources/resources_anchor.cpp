// Anchors the resource library; the pictures themselves are compiled in by qt_add_resources.
