// Filled in as the window code lands.
