vmrk-0000
vmrk-0001
vmrk-0002
