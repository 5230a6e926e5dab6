// placeholder until the settings code lands
