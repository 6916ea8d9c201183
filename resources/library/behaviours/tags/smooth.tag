vmrk-0000
vmrk-0002
