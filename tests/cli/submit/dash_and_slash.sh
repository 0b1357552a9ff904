# Texts that look like options or switches are ordinary texts.
with_standin
postlark -report.txt /subject --body
